#include "Actions/KickLeft90.h"

namespace {
const AngledKick::Config kKickLeft90 = {"KickLeft90", false, 30.0, 6.0, false, 31};
}

KickLeft90::KickLeft90(const std::string& actsDir) : AngledKick(kKickLeft90, actsDir) {}
