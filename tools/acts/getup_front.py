"""The get-up from the front (also run after falls to either side)."""

from formats import KeyFrames
from motions import HOLD_AT_END, SQUAT, STAND, check_rise, motion
from robot import arms, legs, pose


@motion("GetUpFront")
def get_up_front():
    # Thighs forward, arms back and out, held 0.28 s: a robot on its side
    # rolls onto its front (face down this only lifts the arms and draws the
    # knees in).
    roll = pose(STAND, legs(hip=88, knee=-60, ankle=52, roll=1.5), arms(pitch=-109, roll=55))
    # Face down: straight arms point into the ground and lift the chest;
    # the legs stretch, spread a little.
    plank = pose(STAND, legs(hip=-6, knee=0, ankle=32, roll=21), arms(pitch=-3, roll=15))
    # The knees fold under the body, toes on the ground.
    knees = pose(STAND, legs(hip=35, knee=-129, ankle=44, roll=21), arms(pitch=-3, roll=15))
    # The hips fold with the thighs turned out and spread, so that the knees
    # pass beside the torso, while the arms push the chest back: a squat on
    # hands and toes.
    fold = pose(STAND, legs(hip=92, knee=-129, ankle=70, roll=31, yaw=-80), arms(pitch=30, roll=15))
    # A fast push of hips and knees throws the pelvis back over the feet,
    # the arms swing back off the ground.
    throw = pose(STAND, legs(hip=65, knee=-88, ankle=28, roll=34, yaw=-81), arms(pitch=-29, roll=10))
    # The legs turn back in under the body: deep squat on flat feet.
    squat = pose(SQUAT, arms(pitch=-7, roll=3, elbow=15))
    check_rise("GetUpFront rise", squat, STAND)
    return KeyFrames([(0.2, roll), (0.28, roll), (0.36, plank), (0.42, knees), (0.26, fold),
                      (0.24, throw), (0.34, squat), (1.2, STAND), (HOLD_AT_END, STAND)], start=STAND)
