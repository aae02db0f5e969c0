"""Every motion file under Acts/, by name.

A motion is registered with @motion("FileName") on a function that returns
a KeyFrames, Gait or CommandLines object (see formats.py); the file is
Acts/FileName.txt.  Add a motion by writing one more such function.
"""

import gaits
from formats import KeyFrames
from robot import arms, legs, pose

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


# --- standing -----------------------------------------------------------------
@motion("Wait")
def wait():
    # One short frame into the stand: requested again, it restarts at once,
    # so the robot stands still with a new target every 10 cycles.
    return KeyFrames([(0.2, STAND)], start=STAND)


# --- periodic gaits -------------------------------------------------------------
# All gaits step at 24 cycles (0.48 s) per left-right pair of steps, where a
# joint follows a sine target with 0.42 of its amplitude, 73 degrees late;
# the files carry the compensated numbers.  Amplitudes are the wanted joint
# swings in degrees.

@motion("Step")
def step():
    # Marking time on the spot.
    return gaits.stepping(STAND)


@motion("WalkForward")
def walk_forward():
    return gaits.stepping(STAND, swing=8.0)


@motion("WalkBackward")
def walk_backward():
    # Shorter steps backward: the feet land heel first.
    return gaits.stepping(STAND, swing=-5.0)


@motion("WalkLeft")
def walk_left():
    return gaits.stepping(STAND, side=4.0)


@motion("WalkRight")
def walk_right():
    return gaits.stepping(STAND, side=-4.0)


@motion("FastTurnL")
def fast_turn_left():
    return gaits.stepping(STAND, turn=8.0)


@motion("FastTurnR")
def fast_turn_right():
    return gaits.stepping(STAND, turn=-8.0)


@motion("SlowTurnL")
def slow_turn_left():
    return gaits.stepping(STAND, turn=4.0)


@motion("SlowTurnR")
def slow_turn_right():
    return gaits.stepping(STAND, turn=-4.0)


# Periodic motions that no behaviour requests hold the stand for one period.
for _name in ("TurnL", "TurnR", "LargeTurnL", "LargeTurnR", "WalkFast",
              "MiniWalkForward", "WalkFastLeft", "WalkSlowLeft", "WalkFastRight",
              "WalkSlowRight", "WalkAroundBallL", "WalkAroundBallR"):
    motion(_name)(lambda: gaits.hold(STAND))
