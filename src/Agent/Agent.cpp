#include "Agent/Agent.h"

#include "Actions/ActionSwitchMechanism.h"
#include "Actions/Say.h"
#include "Agent/Connection.h"
#include "Roles/RoleDefender.h"
#include "Roles/RoleForward.h"
#include "Roles/RoleGoalie.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "WorldModel/FallDownRecognition.h"
#include "WorldModel/Localization.h"
#include "WorldModel/Parser.h"
#include "WorldModel/Position.h"
#include "WorldModel/WorldModel.h"

namespace {
// Server time to wait after the first cycle before the first beam.
constexpr double kBeamDelay = 0.5;
} // namespace

Agent::Agent()
    : CON(Connection::instance())
{
    WM = WorldModel::instance();
    ACS = ActionSwitchMechanism::instance();
    SKS = Skills::instance();
    TAC = Tactic::instance();
    LZ = Localization::instance();
    PS = std::make_unique<Parser>();
    POS = Position::instance();
    ConstructAgent();
}

Agent::~Agent() = default;

void Agent::ConstructAgent()
{
    CON->sendMessage("(scene rsg/agent/nao/nao.rsg)");
}

bool Agent::Sense(std::string& message)
{
    if (!CON->getMessage(message)) return false;
    Digest(message);
    return true;
}

void Agent::Digest(const std::string& message)
{
    PS->doParse(message);
    LZ->localize();
    const bool down = FallDownRecognition::instance()->isFallDown();
    WM->setIsObjectFallDown(WM->getMyObject(), down);
    Say::instance()->getSayMsgDecoded();
    WM->updateCurrentCycle();
}

void Agent::Think(std::string& message)
{
    if (StartUp(message)) return;
    const PlayMode pm = WM->getGameState();
    if (!mHasLastPlayMode)
    {
        mHasLastPlayMode = true;
        mLastPlayMode = pm;
    }
    if (WM->getIsObjectFallDown(WM->getMyObject()) && pm == mLastPlayMode)
    {
        message = SKS->getUp(HEAD_FOCUS_ON_OBJECT, BALL);
        return;
    }
    mLastPlayMode = pm;
    message = playRole(role, TAC->returnMyRoleType());
}

std::string Agent::playRole(const std::map<RoleType, Role*>& table, RoleType rt)
{
    const auto it = table.find(rt);
    if (it == table.end()) return Role::roleError();
    return it->second->execute(rt);
}

bool Agent::StartUp(std::string& message)
{
    if (!isInit)
    {
        isInit = true;
        setupRoleMap();
        message = InitiateAgent();
        return true;
    }
    if (!mHasStartTime)
    {
        mHasStartTime = true;
        mStartTime = WM->getServerTime();
    }
    if (!POS->canBeam()) return false;
    message = WM->getServerTime() - mStartTime < kBeamDelay ? std::string() : POS->beam();
    return true;
}

void Agent::Act(const std::string& message)
{
    CON->sendMessage(message);
}

std::string Agent::InitiateAgent()
{
    return "(init (unum " + std::to_string(WM->getNum()) + ")(teamname " + WM->getTeamName() + "))";
}

void Agent::setupRoleMap()
{
    role.clear();
    for (RoleType rt : {RT_ATTACKER_FRONT, RT_ATTACKER_LEFT, RT_ATTACKER_RIGHT, RT_ATTACKER_MIDDLE, RT_ATTACKER_FROWARD})
        role[rt] = RoleForward::instance();
    for (RoleType rt : {RT_GOLIAR1, RT_GOLIAR2}) role[rt] = RoleGoalie::instance();
    for (RoleType rt : {RT_DEFENDRE_LEFT, RT_DEFENDER_RIGHT, RT_MIDDLE_LEFT, RT_MIDDLE_RIGHT})
        role[rt] = RoleDefender::instance();
}
