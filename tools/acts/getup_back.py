"""The get-up from the back."""

import robot
from formats import CommandLines
from motions import HOLD_AT_END, SQUAT, STAND, motion
from robot import arms, legs, pose


# The posture the back get-up drives the joints to, lying on the back, before
# its command lines start (shoulder rolls stop at their hinge limits).
BACK_APPROACH = pose(legs(hip=10.0, knee=0, ankle=-5.74), arms(pitch=-80.0),
                     hj1=0, hj2=0, laj2=robot.RANGE["laj2"][0], raj2=robot.RANGE["raj2"][1])


@motion("GetUpBack")
def get_up_back():
    segments = [
        (12, pose(arms(pitch=-118, roll=3), legs(hip=45, knee=-60, ankle=10)),
         "hands pressed into the ground behind the body, knees up"),
        (15, pose(arms(pitch=-118, roll=3), legs(hip=98, knee=-125, ankle=50)),
         "sit up onto the bent legs"),
        (18, pose(arms(pitch=0, roll=3, elbow=15), legs(hip=98, knee=-125, ankle=65)),
         "arms swing forward, weight rocks over the feet"),
        (10, SQUAT, "squat"),
        (25, STAND, "rise"),
        (int(round(HOLD_AT_END / robot.CYCLE)) - 3, STAND, "stand still"),
    ]
    return CommandLines(BACK_APPROACH, segments, max_lines=100, header=(
        "Get-up from the back: one line of joint speeds (rad/s) per cycle,",
        "played after the approach to the lying posture; ends in the stand.",
        "Written by tools/acts/generate.py."), end=STAND)
