#include "Actions/KickL.h"

KickL::KickL(const std::string& actsDir) : SideKick("KickL", actsDir, 23.0, 22.92) {}
