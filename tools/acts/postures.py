"""The postures the players drive to before a kick, read from the player's
own tables in src/Actions/, so that the kick data starts where the players
leave the joints and the numbers live in one place."""

import os
import re

import robot

SRC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "Actions")
# "{JID_LLEG_3, 12.9947, ..." or "{JID_RARM_2, side * kArmRoll, ...": joint and target expression.
ROW = re.compile(r"\{\s*JID_([LR])(LEG|ARM)_(\d)\s*,\s*([^,}]+)")
CONSTANT = re.compile(r"constexpr double (\w+) = ([-0-9.]+);")
SIDE_KICK = re.compile(r'SideKick\("(\w+)", actsDir, ([-0-9.]+), ([-0-9.]+)\)')


def read(name):
    with open(os.path.join(SRC, name)) as f:
        return f.read()


def between(text, start, end):
    begin = text.index(start)
    return text[begin:text.index(end, begin)]


def targets(rows, names):
    """{joint: degrees} of the table rows, each target evaluated with names;
    a target past a joint's stop leaves the joint at the stop."""
    out = {}
    for side, limb, number, expr in ROW.findall(rows):
        joint = side.lower() + ("lj" if limb == "LEG" else "aj") + number
        value = float(eval(expr, {"__builtins__": {}}, names))
        out[joint] = min(max(value, robot.RANGE[joint][0]), robot.RANGE[joint][1])
    return out


def kick_ready():
    """The general kick's ready posture with the left leg holding."""
    text = read("Kick.cpp")
    names = {n: float(v) for n, v in CONSTANT.findall(text)}
    names["side"] = 1.0
    return targets(between(text, "readyPosture(double side)", "};"), names)


def side_kick_approach(name):
    """The approach posture of the side kick `name` ("KickL" or "KickR")."""
    _, left_roll, right_roll = next(m for m in SIDE_KICK.findall(read(name + ".cpp")) if m[0] == name)
    rows = between(read("SideKick.cpp"), "mTargets{", "\n{")
    return targets(rows, {"leftArmRoll": float(left_roll), "rightArmRoll": float(right_roll)})
