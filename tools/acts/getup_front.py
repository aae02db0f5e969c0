"""The get-up from the front (also run after falls to either side)."""

from formats import KeyFrames
from motions import HOLD_AT_END, SQUAT, STAND, check_rise, motion
from robot import arms, legs, pose


@motion("GetUpFront")
def get_up_front():
    # Thighs forward, arms back and out, held 0.4 s: a robot on its side
    # rolls onto its front (face down this only lifts the arms and draws the
    # knees in).
    roll = pose(STAND, legs(hip=92, knee=-63, ankle=47, roll=1.5), arms(pitch=-119, roll=57))
    # Face down: straight arms point into the ground and lift the chest;
    # the legs stretch, spread a little.
    plank = pose(STAND, legs(hip=3, knee=0, ankle=31, roll=18), arms(pitch=-1, roll=15))
    # The knees fold under the body, toes on the ground.
    knees = pose(STAND, legs(hip=33, knee=-129, ankle=40, roll=18), arms(pitch=-1, roll=15))
    # The hips fold fully with the thighs turned out and spread, so that the
    # knees pass beside the torso, while the arms push the chest back: a
    # squat on hands and toes.
    fold = pose(STAND, legs(hip=99, knee=-129, ankle=74, roll=33, yaw=-76), arms(pitch=32, roll=15))
    # A fast push of hips and knees throws the pelvis back over the feet,
    # the arms swing back off the ground.
    throw = pose(STAND, legs(hip=65, knee=-92, ankle=18, roll=37, yaw=-77), arms(pitch=-24, roll=10))
    # The legs turn back in under the body: deep squat on flat feet.
    squat = pose(SQUAT, arms(pitch=-7, roll=3, elbow=15))
    check_rise("GetUpFront rise", squat, STAND)
    return KeyFrames([(0.2, roll), (0.4, roll), (0.38, plank), (0.44, knees), (0.4, fold),
                      (0.18, throw), (0.4, squat), (1.1, STAND), (HOLD_AT_END, STAND)], start=STAND)
