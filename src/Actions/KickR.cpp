#include "Actions/KickR.h"

KickR::KickR() : KickR("./Acts/") {}

KickR::KickR(const std::string& actsDir) : SideKick(actsDir + "KickR.txt", -23.0, -22.92) {}
