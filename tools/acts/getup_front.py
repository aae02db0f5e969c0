"""The get-up from the front (also run after falls to either side)."""

from formats import KeyFrames
from motions import HOLD_AT_END, SQUAT, STAND, check_rise, motion
from robot import arms, legs, pose


@motion("GetUpFront")
def get_up_front():
    # Also run after falls to either side: the first frame puts arms and legs
    # in front of the body, which rolls a robot on its side onto its front.
    curl = pose(STAND, legs(hip=50, knee=-40, ankle=20, roll=1.5), arms(pitch=0, roll=15))
    # Face down: the arms point into the ground and lift the chest; the knees
    # come under the hips.
    kneel = pose(STAND, legs(hip=90, knee=-120, ankle=40, roll=1.5), arms(pitch=30, roll=15))
    # The arms push the torso back over the feet, which land flat.
    tuck = pose(SQUAT, arms(pitch=60, roll=15))
    check_rise("GetUpFront rise", SQUAT, STAND)
    return KeyFrames([(0.4, curl), (0.3, kneel), (0.4, tuck), (0.3, SQUAT),
                      (0.5, STAND), (HOLD_AT_END, STAND)], start=STAND)
