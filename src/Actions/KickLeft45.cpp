#include "Actions/KickLeft45.h"

namespace {
const AngledKick::Config kKickLeft45 = {"KickLeft45", true, -30.0, 6.0, false, 20};
}

KickLeft45::KickLeft45(const std::string& actsDir) : AngledKick(kKickLeft45, actsDir) {}
