"""Every motion file under Acts/, by name.

A motion is registered with @motion("FileName") on a function that returns
a KeyFrames, Gait or CommandLines object (see formats.py); the file is
Acts/FileName.txt.  Add a motion by writing one more such function.
"""

import gaits
import robot
from formats import KeyFrames
from robot import arms, legs, mirror, pose

MOTIONS = {}


def motion(name):
    def register(build):
        if name in MOTIONS:
            raise ValueError("motion %s defined twice" % name)
        MOTIONS[name] = build
        return build
    return register


# --- postures ---------------------------------------------------------------
# The walk engine's standing pose: torso centre 0.35 m high over ankles 0.06 m
# beside the middle line, feet flat, torso upright.  Solved with the walk's
# leg model: hip 28.7, knee -63.4, ankle 34.7, hips rolled 1.5 outward.
CROUCH_LEGS = legs(hip=28.7, knee=-63.4, ankle=34.7, roll=1.5)
# Arms hanging beside the body, slightly away from it, elbows a little bent.
ARMS_DOWN = arms(pitch=-90, roll=3, elbow=15)
# The pose every get-up ends in and Wait holds.
STAND = pose(CROUCH_LEGS, ARMS_DOWN)


# Deep squat on flat feet, torso leaning 33 degrees forward, arms forward:
# centre of mass 0.07 m in front of the ankles, over the soles.
SQUAT = pose(STAND, legs(hip=98, knee=-125, ankle=60, roll=1.5), arms(pitch=0, roll=3, elbow=15))


def blend(a, b, share):
    return {n: a[n] + (b[n] - a[n]) * share for n in a}


def check_rise(where, low, high, steps=10):
    """Every pose on the way from `low` to `high` stands on its soles."""
    for i in range(steps + 1):
        robot.check_balanced("%s %d/%d" % (where, i, steps), blend(low, high, i / steps))


# The stand is held this long at the end of every get-up, so that the fall
# detector's six-cycle averages see the robot upright before the motion ends.
HOLD_AT_END = 0.3   # 15 cycles


# --- standing -----------------------------------------------------------------
@motion("Wait")
def wait():
    # One short frame into the stand: requested again, it restarts at once,
    # so the robot stands still with a new target every 10 cycles.
    return KeyFrames([(0.2, STAND)], start=STAND)


# --- periodic gaits -------------------------------------------------------------
# The gaits step at 24 cycles (0.48 s) per left-right pair of steps (the fast
# turn at 20), where a joint follows a sine target with 0.42 of its amplitude,
# 73 degrees late (0.36 and 78 at 20 cycles); the files carry the compensated
# numbers.  Amplitudes are the wanted joint
# swings in degrees.

# The forward walk leans the torso 2.5 degrees forward at the hips.
WALK_STAND = pose(STAND, legs(hip=31.2, knee=-63.4, ankle=34.7, roll=1.5))
# The side walks stand with the hips rolled 5.5 degrees outward: where the
# steps close the legs, the feet still keep apart.
SIDE_STAND = pose(STAND, legs(hip=28.7, knee=-63.4, ankle=34.7, roll=5.5))
# Each gait: its changes to gaits.stepping's defaults (sway 5, lift 6).
GAITS = {
    "Step": {},                        # marking time on the spot
    "WalkForward": {"swing": 12.0, "sway": 6.0, "lift": 8.0, "stand": WALK_STAND},
    "WalkBackward": {"swing": -8.0, "sway": 6.0, "lift": 8.0},   # shorter steps: the feet land heel first
    "WalkLeft": {"side": 8.0, "sway": 6.0, "lift": 8.0, "stand": SIDE_STAND},
}
# A deeper crouch for the fast turn: room above the hip pitch stop for the
# large hip yaw-pitch swing, and a lower torso.  The turns lift the feet higher
# and sway further than the walks, so that the foot in the air carries no
# weight while the hips turn.
TURN_STAND = pose(STAND, legs(hip=33.7, knee=-73.4, ankle=39.7, roll=1.5))
# Left turns; each right turn is its mirror image, as WalkRight is WalkLeft's.
TURNS = {
    "FastTurnL": {"turn": 11.0, "flat": True, "sway": 8.0, "lift": 9.0, "cycles": 20, "stand": TURN_STAND,
                  "shutdown": 0.8},
    "TurnL": {"turn": 10.0, "sway": 8.0, "lift": 10.0},
    "SlowTurnL": {"turn": 8.0, "sway": 8.0, "lift": 10.0},
    "LargeTurnL": {"turn": 10.0, "sway": 8.0, "lift": 10.0},
}
MIRRORED = {"WalkRight": "WalkLeft", "FastTurnR": "FastTurnL", "TurnR": "TurnL",
            "SlowTurnR": "SlowTurnL", "LargeTurnR": "LargeTurnL"}
for _name, _changes in {**GAITS, **TURNS}.items():
    motion(_name)(lambda changes=_changes: gaits.stepping(**{"stand": STAND, **changes}))
for _name, _of in MIRRORED.items():
    motion(_name)(lambda of=_of: gaits.mirrored(MOTIONS[of]()))


# Periodic motions that no behaviour requests hold the stand for one period.
for _name in ("WalkFast",
              "MiniWalkForward", "WalkFastLeft", "WalkSlowLeft", "WalkFastRight",
              "WalkSlowRight", "WalkAroundBallL", "WalkAroundBallR"):
    motion(_name)(lambda: gaits.hold(STAND))


# --- goalie dives --------------------------------------------------------------------
# Arms stretched above the head: on the ground they lengthen the body that
# covers the goal.
ARMS_UP = arms(pitch=110, roll=15)
# Halfway there (arms forward): the motors need two frames for the swing.
ARMS_FORWARD = arms(pitch=0, roll=15)


def throw_then_reach(throw, hold=0.3):
    """The throw with the arms forward, then the arms above the head."""
    return [(0.3, pose(throw, ARMS_FORWARD)), (0.4, pose(throw, ARMS_UP)), (hold, pose(throw, ARMS_UP))]


def dive_hand_left():
    # Hips pushed to the left over a shortened left leg, arms thrown above
    # the head: the robot falls onto its left side, arms beyond the head.
    return throw_then_reach(pose(STAND, llj2=-15, rlj2=-20, llj6=15, rlj6=20,
                                 llj3=50, llj4=-100, llj5=50), hold=0.1)


def dive_leg_left():
    # The left leg folds under the body while the right leg is spread out:
    # the robot drops onto its left side, the right leg across the goal.
    throw = pose(STAND, rlj2=-40, rlj6=20, llj2=-10, llj6=10,
                 llj3=50, llj4=-100, llj5=50, laj2=60, raj2=-60)
    return [(0.3, throw), (0.4, throw)]


def defend_left():
    # Standing block: the left leg slides out sideways, arms spread; the
    # robot stays on its feet.
    block = pose(STAND, llj2=44, llj6=-24, llj3=10, llj4=-10, llj5=5,
                 laj1=0, laj2=80, raj1=0, raj2=-80)
    return [(0.3, block), (0.5, block)]


def sides(name, frames):
    """NameL from the frames, NameR from their mirror image."""
    motion(name + "L")(lambda: KeyFrames(frames(), start=STAND))
    motion(name + "R")(lambda: KeyFrames([(d, mirror(p)) for d, p in frames()], start=STAND))


sides("DiveHand", dive_hand_left)
sides("DiveLeg", dive_leg_left)
sides("DefendGoal", defend_left)


@motion("DiveFront")
def dive_front():
    # Hips bend, knees stretch, toes lift: the robot falls forward onto its
    # front with the arms stretched out beyond the head.
    return KeyFrames(throw_then_reach(pose(STAND, legs(hip=60, knee=0, ankle=40, roll=1.5))),
                     start=STAND)


@motion("DiveBack")
def dive_back():
    # Hips and ankles stretch backward: the robot falls onto its back, arms
    # stretched out beyond the head.
    return KeyFrames(throw_then_reach(pose(STAND, legs(hip=-20, knee=0, ankle=-40, roll=1.5))),
                     start=STAND)


# Key-frame motions that no behaviour requests: a short hold of the stand.
for _name in ("WalkSideShortL", "WalkSideShortR"):
    motion(_name)(lambda: KeyFrames([(0.2, STAND)], start=STAND))
