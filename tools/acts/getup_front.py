"""The get-up from the front (also run after falls to either side)."""

from formats import KeyFrames
from motions import HOLD_AT_END, SQUAT, STAND, check_rise, motion
from robot import arms, legs, pose


@motion("GetUpFront")
def get_up_front():
    # Face down: straight arms point into the ground and lift the chest;
    # the legs stretch, spread a little.
    plank = pose(STAND, legs(hip=0, knee=0, ankle=7, roll=14), arms(pitch=0, roll=15))
    # The knees fold under the body, toes on the ground.
    knees = pose(STAND, legs(hip=33, knee=-129, ankle=40, roll=14), arms(pitch=0, roll=15))
    # The hips fold fully with the thighs turned out and spread, so that the
    # knees pass beside the torso: a squat on hands and toes.
    fold = pose(STAND, legs(hip=99, knee=-129, ankle=74, roll=30, yaw=-78), arms(pitch=-4, roll=15))
    # A fast push of hips and knees throws the pelvis back over the feet,
    # the arms swing back off the ground.
    throw = pose(STAND, legs(hip=66, knee=-82, ankle=26, roll=30, yaw=-85), arms(pitch=-30, roll=10))
    # The legs turn back in under the body: deep squat on flat feet.
    squat = pose(SQUAT, arms(pitch=0, roll=3, elbow=15))
    check_rise("GetUpFront rise", squat, STAND)
    return KeyFrames([(0.3, plank), (0.4, knees), (0.4, fold), (0.28, throw), (0.48, squat),
                      (1.06, STAND), (HOLD_AT_END, STAND)], start=STAND)
