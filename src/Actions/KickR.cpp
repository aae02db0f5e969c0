#include "Actions/KickR.h"

KickR::KickR(const std::string& actsDir) : SideKick("KickR", actsDir, -23.0, -22.92) {}
