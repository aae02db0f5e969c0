#ifndef AGENT_H
#define AGENT_H

#include <map>
#include <memory>
#include <string>

#include "WorldModel/Singleton.h"
#include "WorldModel/Types.h"

class ActionSwitchMechanism;
class Connection;
class Localization;
class Parser;
class Position;
class Role;
class Skills;
class Tactic;
class WorldModel;

// Owns the cycle: Sense turns one perception message into the world model,
// Think chooses this cycle's command, Act sends it. Building the agent sends
// the scene command that creates the robot.
class Agent : public Singleton<Agent>
{
public:
    Agent();
    ~Agent();

    // Reads and digests one message; false when the connection is lost
    // (nothing else runs then).
    bool Sense(std::string& message);
    void Think(std::string& message);
    // The start-up part of Think: the init message in the first cycle, then
    // nothing or the beam while placement is allowed. False when the cycle
    // is left to the caller.
    bool StartUp(std::string& message);
    void Act(const std::string& message);

    void ConstructAgent();
    std::string InitiateAgent();
    void setupRoleMap();

    // The cycle of the role that the table holds for rt; a role type without
    // an entry prints "Role Error" and answers nothing.
    static std::string playRole(const std::map<RoleType, Role*>& table, RoleType rt);

private:
    // The digesting half of Sense: the message into the world model.
    void Digest(const std::string& message);

    WorldModel* WM;
    ActionSwitchMechanism* ACS;
    Skills* SKS;
    Tactic* TAC;
    std::unique_ptr<Parser> PS;
    Localization* LZ;
    Position* POS;
    Connection* CON;
    bool isInit = false;
    std::map<RoleType, Role*> role;

    bool mHasStartTime = false;
    double mStartTime = 0.0;
    bool mHasLastPlayMode = false;
    PlayMode mLastPlayMode = PM_Unknown;
};

#endif
