#include "Actions/KickL.h"

KickL::KickL() : KickL("./Acts/") {}

KickL::KickL(const std::string& actsDir) : SideKick(actsDir + "KickL.txt", 23.0, 22.92) {}
