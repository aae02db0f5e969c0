#ifndef FIELDROLE_H
#define FIELDROLE_H

#include <map>
#include <string>
#include <vector>

#include "Roles/Role.h"
#include "Skills/Skills.h"
#include "Tactic/Tactic.h"
#include "salt/vector.h"
#include "WorldModel/WorldModel.h"

// What the defender and the forward share: their copies of the own and the
// ball position, the tactic refresh before each cycle and the play-mode
// dispatch. D is the role class; it supplies the handlers.
template <class D>
class FieldRole : public Role
{
public:
    std::string execute(RoleType rt) override
    {
        roletype = rt;
        refresh();
        const PlayMode pm = WM->getGameState();
        switch (pm)
        {
        case PM_FreeKick_Left:
        case PM_FreeKick_Right:
        case PM_GameOver:
            return PlayOn();
        case PM_Goal_Left:
        case PM_Goal_Right:
        case PM_Offside_Left:
        case PM_Offside_Right:
            return wait();
        default:
            return dispatch(static_cast<D&>(*this), pm);
        }
    }

protected:
    FieldRole()
        : BallPos(WM->getBallPos()), StragePos(WM->getMyPos()), OldStragePos(StragePos), MyPos(WM->getMyPos())
    {
    }

    salt::Vector3f BallPos;
    salt::Vector3f StragePos;
    salt::Vector3f OldStragePos;
    salt::Vector3f MyPos;
    std::map<Object, salt::Vector3f> teammatePos;

    // Walks look at the ball and do not slow down near the target.
    std::string walkTo(salt::Vector3f target) { return SKS->walkOmni(target, false, HEAD_FOCUS_ON_OBJECT, BALL); }
    std::string walkToBall() { return SKS->walkOmni(BALL, false, HEAD_FOCUS_ON_OBJECT, BALL); }
    std::string wait() { return SKS->walkOmniWait(HEAD_FOCUS_ON_OBJECT, BALL); }
    // Whether I lead a tactic list; its leader, OBJECT_MAX for none.
    bool isFirst(const std::vector<Object>& list) const { return first(list) == WM->getMyObject(); }
    static Object first(const std::vector<Object>& list) { return list.empty() ? OBJECT_MAX : list.front(); }
    salt::Vector3f globalPos(Object o) const { return WM->getObjectVision(o).globalPos; }
    bool ours(TeamSide side) const { return WM->getTeamSide() == side; }

private:
    // Own position at this global confidence or more (single precision).
    static constexpr double kMyPosTrusted = static_cast<double>(9.94f);
    // Ball position above this global confidence (single precision).
    static constexpr double kBallPosTrusted = static_cast<double>(9.6f);

    void refresh()
    {
        if (WM->getGlobalConfidence() >= kMyPosTrusted) MyPos = WM->getMyPos();
        if (WM->getGlobalConfidence(BALL) > kBallPosTrusted) BallPos = WM->getBallPos();
        for (int o = TEAMMATE_1; o <= TEAMMATE_11; ++o)
            teammatePos[static_cast<Object>(o)] = WM->getObjectVision(static_cast<Object>(o)).globalPos;
        TAC->sortOurAllByDistToBall(TAC->ourAllDistToBall);
        TAC->sortOurAllByDistToMe(TAC->ourAllDistToMe);
        TAC->sortOppAllByDistToBall(TAC->oppAllDistToBall);
        TAC->sortOppAllByDistToMe(TAC->oppAllDistToMe);
        TAC->sortOurDefensiveByEquivalentDistToBall(TAC->ourDefensiveEquivalentDistToBall);
        TAC->sortOurForwardByEquivalentDistBall(TAC->ourForwardEquivalentDistToBall);
    }
};

#endif
