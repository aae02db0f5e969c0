"""The get-up from the back."""

import robot
from formats import CommandLines
from motions import HOLD_AT_END, STAND, motion
from robot import arms, legs, pose


# The posture the back get-up drives the joints to, lying on the back, before
# its command lines start (shoulder rolls stop at their hinge limits).
BACK_APPROACH = pose(legs(hip=10.0, knee=0, ankle=-5.74), arms(pitch=-80.0),
                     hj1=0, hj2=0, laj2=robot.RANGE["laj2"][0], raj2=robot.RANGE["raj2"][1])

# Legs turned out and spread: with the hip yaw-pitch near its stop the torso
# can lean forward between the thighs, past the hip pitch stop.
SPREAD = dict(yaw=-89, roll=44)


def body(hip, knee, ankle, arm_pitch, yaw, roll):
    return pose(arms(pitch=arm_pitch, roll=3), legs(hip=hip, knee=knee, ankle=ankle, yaw=yaw, roll=roll))


@motion("GetUpBack")
def get_up_back():
    segments = [
        (19, body(98, 0, 0, 0, **SPREAD),
         "hips flex with straight legs turning out, arms forward: the torso sits up and leans forward"),
        (14, body(99, -98.8, 74, 0, **SPREAD),
         "knees fold: the feet come in beside the hips, the chest over the thighs"),
        (6, body(99, -75.8, 34.5, -21.4, **SPREAD),
         "knees push: the robot rocks forward off its seat onto its feet"),
        (7, body(99, -50, -10.4, 27.4, yaw=-74.5, roll=20),
         "toes press down, arms swing up: the hips rise over the feet"),
        (12, body(18.7, -27.6, 1, -59.5, yaw=-26.2, roll=SPREAD["roll"]),
         "hips and knees stretch, the legs turn in: the torso rises, arms swing down"),
        (9, STAND, "knees bend into the stand"),
        (int(round(HOLD_AT_END / robot.CYCLE)) - 3, STAND, "stand still"),
    ]
    return CommandLines(BACK_APPROACH, segments, max_lines=100, header=(
        "Get-up from the back: one line of joint speeds (rad/s) per cycle,",
        "played after the approach to the lying posture; ends in the stand.",
        "Written by tools/acts/generate.py."), end=STAND)
