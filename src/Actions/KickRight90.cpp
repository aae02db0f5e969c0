#include "Actions/KickRight90.h"

namespace {
const AngledKick::Config kKickRight90 = {"KickRight90", true, -30.0, 4.0, false, 31};
}

KickRight90::KickRight90(const std::string& actsDir) : AngledKick(kKickRight90, actsDir) {}
