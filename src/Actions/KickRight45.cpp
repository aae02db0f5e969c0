#include "Actions/KickRight45.h"

namespace {
const AngledKick::Config kKickRight45 = {"KickRight45", false, 30.0, 6.0, true, 20};
}

KickRight45::KickRight45(const std::string& actsDir) : AngledKick(kKickRight45, actsDir) {}
