#include "MotionRequest.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    return s;
}

// The next ':'-separated field; the rest stays in s.
std::string_view field(std::string_view& s)
{
    const auto colon = s.find(':');
    const std::string_view f = s.substr(0, colon);
    s = colon == std::string_view::npos ? std::string_view() : s.substr(colon + 1);
    return f;
}

bool wholeNumber(std::string_view f, long low, long high, long& value)
{
    const std::string text(f);
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

bool realNumber(std::string_view f, double& value)
{
    const std::string text(f);
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

bool parseOmni(std::string_view args, MotionRequest& r, std::string& error)
{
    long type = 0;
    double speed = 0;
    const std::string_view typeField = field(args);
    const std::string_view speedField = field(args);
    if (!wholeNumber(typeField, WALK_OMNI_FORWARD, WALK_OMNI_WAIT, type) || !args.empty())
        return error = "walk type must be 1..8", false;
    if (!realNumber(speedField, speed) || speed <= 0.0 || speed > 1.0)
        return error = "walk speed must be in (0, 1]", false;
    r.kind = MotionRequest::OMNI;
    r.walk = WalkOmniPara();
    r.walk.walkType = static_cast<WalkOmniType>(type);
    r.walk.maxSpeed = speed;
    return true;
}

bool parseAct(std::string_view args, MotionRequest& r, std::string& error)
{
    long type = 0;
    if (!wholeNumber(args, UNKNOWN + 1, ACTION_MAX - 1, type))
        return error = "action type must be 1.." + std::to_string(ACTION_MAX - 1), false;
    r.kind = MotionRequest::ACT;
    r.action = static_cast<ActionType>(type);
    return true;
}

bool parseKick(std::string_view args, MotionRequest& r, std::string& error)
{
    long type = 0, left = 0;
    const std::string_view typeField = field(args);
    const std::string_view leftField = field(args);
    if (!wholeNumber(typeField, KICK_TYPE_1, KICK_TYPE_3, type) || !wholeNumber(leftField, 0, 1, left) ||
        !args.empty())
        return error = "kick needs TYPE 0..2 and LEFTHOLD 0 or 1", false;
    r.kind = MotionRequest::KICK_REQUEST;
    r.kickType = static_cast<KickType>(type);
    r.leftHold = left == 1;
    return true;
}

} // namespace

bool MotionRequest::parse(std::string_view line, MotionRequest& request, std::string& error)
{
    std::string_view rest = trimmed(line);
    MotionRequest r;
    if (rest.substr(0, 2) == "g+")
    {
        r.getUpWhenDown = true;
        rest.remove_prefix(2);
    }
    const std::string_view word = field(rest);
    bool ok = false;
    if (word == "omni") ok = parseOmni(rest, r, error);
    else if (word == "act") ok = parseAct(rest, r, error);
    else if (word == "kick") ok = parseKick(rest, r, error);
    else if (word == "raw")
    {
        r.kind = RAW;
        r.raw = std::string(rest);
        ok = !r.raw.empty() || (error = "raw needs a command text", false);
    }
    else error = "unknown request";
    if (ok) request = r;
    return ok;
}
