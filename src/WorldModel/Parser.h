#ifndef PARSER_H
#define PARSER_H

#include <memory>
#include <string>
#include <string_view>

#include "oxygen/predicate.h"
#include "salt/vector.h"
#include "sexpparser/sexpparser.h"
#include "WorldModel/Types.h"

class WorldModel;

// Turns one perception message into world-model updates. Predicates are
// handled in text order and recognised by their first letter (the second
// for "G"); problems print a fixed line and parsing goes on.
class Parser
{
public:
    Parser();
    void doParse(const std::string& message);

    void parseTime(const oxygen::Predicate& pred);
    void parseGameState(const oxygen::Predicate& pred);
    void parseGYR(const oxygen::Predicate& pred);
    void parseACC(const oxygen::Predicate& pred);
    void parseHingeJointInfo(const oxygen::Predicate& pred);
    void parseFRP(const oxygen::Predicate& pred);
    void parseTCH(const oxygen::Predicate& pred);
    void parseHearInfo(const oxygen::Predicate& pred);
    void parseObjectVision(const oxygen::Predicate& pred);
    // iter stands on the "P" of a seen player's list.
    void parsePlayerInfo(const oxygen::Predicate& pred, oxygen::Predicate::Iterator iter);

    void ACCEvent(const salt::Vector3f& acc);
    void GYREvent(const salt::Vector3f& rate);
    void FRPEvent(std::string_view name, const FRPSense& frp);
    void TCHEvent(std::string_view name, int val);
    void flagVisionEvent(std::string_view name, const VisionSense& vs);
    void goalVisionEvent(std::string_view name, const VisionSense& vs);
    void ballVisionEvent(const VisionSense& vs);

private:
    void dispatch(const oxygen::Predicate& pred);
    void landmarkVisionEvent(std::string_view name, const VisionSense& vs, const char* error);
    Object playerObject(std::string_view team, int id) const;

    WorldModel* WM;
    std::unique_ptr<SexpParser> mParser;
};

#endif
