#include "WorldModel/Parser.h"

#include <charconv>
#include <cstring>
#include <iostream>

#include "WorldModel/WorldModel.h"

using oxygen::Predicate;
typedef oxygen::Predicate::Iterator Iterator;

namespace {

// Three floats behind key, as in "(rt 0.01 -0.00 0.00)"; all or nothing.
bool readVector(const Iterator& iter, std::string_view key, salt::Vector3f& v)
{
    Iterator it = iter;
    float x, y, z;
    if (!Predicate::FindParameter(it, key) || !Predicate::AdvanceValue(it, x) || !Predicate::AdvanceValue(it, y) ||
        !Predicate::AdvanceValue(it, z))
        return false;
    v = salt::Vector3f(x, y, z);
    return true;
}

struct Polar
{
    double distance, theta, phi;
};

// "(pol distance theta phi)" in the list of iter; all or nothing.
bool readPolar(const Iterator& iter, Polar& pol)
{
    Iterator it = iter;
    Polar read;
    if (!Predicate::FindParameter(it, "pol") || !Predicate::AdvanceValue(it, read.distance) ||
        !Predicate::AdvanceValue(it, read.theta) || !Predicate::AdvanceValue(it, read.phi))
        return false;
    pol = read;
    return true;
}

VisionSense sightingOf(const Polar& pol)
{
    VisionSense vs;
    vs.distance = pol.distance;
    vs.theta = pol.theta;
    vs.phi = pol.phi;
    return vs;
}

void storeLimb(const Polar& pol, double& distance, double& theta, double& phi)
{
    distance = pol.distance;
    theta = pol.theta;
    phi = pol.phi;
}

void printParserError() { std::cout << "PARSER ERROR!" << std::endl; }

} // namespace

Parser::Parser() : WM(WorldModel::instance()), mParser(std::make_unique<SexpParser>()) {}

void Parser::doParse(const std::string& message)
{
    const oxygen::PredicateList& predicates = mParser->Parse(message);
    if (predicates.empty()) return;
    // The server sends a foot's FRP only while the foot touches the ground.
    WM->setLeftFootForce(FRPSense());
    WM->setRightFootForce(FRPSense());
    for (const Predicate& pred : predicates) dispatch(pred);
}

void Parser::dispatch(const Predicate& pred)
{
    const std::string_view name = pred.name; // an atom: never empty
    switch (name[0])
    {
    case 't': parseTime(pred); break;
    case 'G':
        if (name.size() > 1 && name[1] == 'S') parseGameState(pred);
        else if (name.size() > 1 && name[1] == 'Y') parseGYR(pred);
        break;
    case 'A': parseACC(pred); break;
    case 'H': parseHingeJointInfo(pred); break;
    case 'F': parseFRP(pred); break;
    case 'T': parseTCH(pred); break;
    case 'h': parseHearInfo(pred); break;
    case 'S': parseObjectVision(pred); break;
    default: break;
    }
}

void Parser::parseTime(const Predicate& pred)
{
    float now;
    if (Predicate::GetValue(pred.begin(), "now", now)) WM->setServerTime(now);
}

void Parser::parseGameState(const Predicate& pred)
{
    const Iterator iter = pred.begin();
    std::string_view side;
    if (Predicate::GetValue(iter, "team", side))
    {
        if (side == "left") WM->setTeamSide(TEAM_LEFT);
        else if (side == "right") WM->setTeamSide(TEAM_RIGHT);
    }
    float gameTime;
    if (Predicate::GetValue(iter, "t", gameTime)) WM->setGameTime(gameTime);
    std::string_view playMode;
    if (Predicate::GetValue(iter, "pm", playMode)) WM->setGameState(Types::instance()->findPlayMode(playMode));
}

void Parser::parseGYR(const Predicate& pred)
{
    std::string_view sensor;
    salt::Vector3f rate;
    if (Predicate::GetValue(pred.begin(), "n", sensor) && readVector(pred.begin(), "rt", rate)) GYREvent(rate);
}

void Parser::parseACC(const Predicate& pred)
{
    std::string_view sensor;
    salt::Vector3f acc;
    if (Predicate::GetValue(pred.begin(), "n", sensor) && readVector(pred.begin(), "a", acc)) ACCEvent(acc);
}

void Parser::parseHingeJointInfo(const Predicate& pred)
{
    std::string_view name;
    Predicate::GetValue(pred.begin(), "n", name);
    JointID jid;
    if (!Types::instance()->findJointID(name, jid))
    {
        std::cerr << "(Ambulo) unknown joint id!" << std::endl;
        return;
    }
    double angle;
    if (Predicate::GetValue(pred.begin(), "ax", angle)) WM->setJointAngle(jid, angle);
}

void Parser::parseFRP(const Predicate& pred)
{
    std::string_view name;
    FRPSense frp;
    if (Predicate::GetValue(pred.begin(), "n", name) && readVector(pred.begin(), "c", frp.point) &&
        readVector(pred.begin(), "f", frp.force))
        FRPEvent(name, frp);
}

void Parser::parseTCH(const Predicate& pred)
{
    std::string_view name;
    int val;
    if (Predicate::GetValue(pred.begin(), "name", name) && Predicate::GetValue(pred.begin(), "val", val))
        TCHEvent(name, val);
}

// "(hear TIME DIRECTION MSG)" or, from the server we play on, with the
// speaker's team first: "(hear TEAM TIME DIRECTION MSG)". The own message
// carries "self" as its direction.
void Parser::parseHearInfo(const Predicate& pred)
{
    Iterator iter = pred.begin();
    float time;
    std::string_view team;
    if (!Predicate::GetValue(iter, time) && Predicate::GetValue(iter, team))
    {
        if (team != WM->getTeamName()) return;
        ++iter;
    }
    if (!Predicate::AdvanceValue(iter, time))
    {
        std::cerr << "could not get hear time \n";
        return;
    }
    float direction;
    if (!Predicate::AdvanceValue(iter, direction))
    {
        std::cerr << "could not get sender \n";
        return;
    }
    std::string message;
    if (!Predicate::GetValue(iter, message))
    {
        std::cerr << "could not get message \n";
        return;
    }
    WM->setCommunicationString(std::move(message), time);
}

void Parser::parseObjectVision(const Predicate& pred)
{
    for (Iterator element = pred.begin(); !element.AtEnd(); ++element)
    {
        Iterator entry = element;
        std::string_view name;
        if (!Predicate::DescentList(entry) || !Predicate::GetValue(entry, name)) continue;
        if (name == "P")
        {
            parsePlayerInfo(pred, entry);
            continue;
        }
        if (name == "mypos")
        {
            printParserError();
            continue;
        }
        const char kind = name[0];
        if (kind != 'F' && kind != 'B' && kind != 'G') continue; // field lines and the like
        Polar pol;
        if (!readPolar(entry, pol)) continue;
        const VisionSense vs = sightingOf(pol);
        if (kind == 'F') flagVisionEvent(name.substr(0, 3), vs);
        else if (kind == 'G') goalVisionEvent(name.substr(0, 3), vs);
        else ballVisionEvent(vs);
    }
}

// The team and id entries are looked up anywhere in the player's list; the
// body parts are read from every other sub-list.
void Parser::parsePlayerInfo(const Predicate&, Iterator iter)
{
    std::string_view team;
    if (!Predicate::GetValue(iter, "team", team)) std::cerr << "could not get team \n";
    int id = 0;
    const bool hasId = Predicate::GetValue(iter, "id", id);
    if (!hasId) std::cerr << "could not get id \n";
    const Object player = hasId ? playerObject(team, id) : OBJECT_MAX;
    if (player == OBJECT_MAX) return;

    for (++iter; !iter.AtEnd(); ++iter)
    {
        Iterator entry = iter;
        if (!Predicate::DescentList(entry)) continue;
        std::string_view part;
        if (!Predicate::GetValue(entry, part)) return;
        if (part == "pol")
        {
            printParserError();
            continue;
        }
        Polar pol;
        if (!readPolar(entry, pol)) continue;
        if (part == "head")
        {
            WM->setObjectVision(player, sightingOf(pol));
            continue;
        }
        VisionSense& vs = WM->mutableObjectVision(player);
        if (part == "rlowerarm") storeLimb(pol, vs.distanceFromRightArm, vs.thetaFromRightArm, vs.phiFromRightArm);
        else if (part == "llowerarm") storeLimb(pol, vs.distanceFromLeftArm, vs.thetaFromLeftArm, vs.phiFromLeftArm);
        else if (part == "rfoot") storeLimb(pol, vs.distanceFromRightFoot, vs.thetaFromRightFoot, vs.phiFromRightFoot);
        else if (part == "lfoot") storeLimb(pol, vs.distanceFromLeftFoot, vs.thetaFromLeftFoot, vs.phiFromLeftFoot);
    }
}

// "TEAMMATE<id>" for the own team, "OPPONENT<id>" for any other; OBJECT_MAX
// when that name is not a player (an id outside 1 to 11).
Object Parser::playerObject(std::string_view team, int id) const
{
    const char* prefix = team == WM->getTeamName() ? "TEAMMATE" : "OPPONENT";
    char name[32];
    const std::size_t length = std::strlen(prefix);
    std::memcpy(name, prefix, length);
    const std::to_chars_result r = std::to_chars(name + length, name + sizeof name, id);
    Object obj = OBJECT_MAX;
    Types::instance()->findObject(std::string_view(name, r.ptr - name), obj);
    return obj;
}

void Parser::ACCEvent(const salt::Vector3f& acc) { WM->setAcc(acc); }

void Parser::GYREvent(const salt::Vector3f& rate) { WM->setGyro(rate); }

void Parser::FRPEvent(std::string_view name, const FRPSense& frp)
{
    if (name == "lf") WM->setLeftFootForce(frp);
    else if (name == "rf") WM->setRightFootForce(frp);
}

void Parser::TCHEvent(std::string_view name, int val)
{
    if (name == "lf") WM->setLeftTouchVal(val);
    else if (name == "rf") WM->setRightTouchVal(val);
}

void Parser::flagVisionEvent(std::string_view name, const VisionSense& vs)
{
    landmarkVisionEvent(name, vs, "Flag sense error");
}

void Parser::goalVisionEvent(std::string_view name, const VisionSense& vs)
{
    landmarkVisionEvent(name, vs, "Goal sense error");
}

void Parser::ballVisionEvent(const VisionSense& vs) { landmarkVisionEvent("B", vs, "Ball sense error"); }

void Parser::landmarkVisionEvent(std::string_view name, const VisionSense& vs, const char* error)
{
    Object obj;
    if (!Types::instance()->findObject(name, obj))
    {
        std::cout << error << std::endl;
        return;
    }
    WM->setObjectVision(obj, vs);
}
