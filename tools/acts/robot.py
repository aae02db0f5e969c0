"""The simulated NAO as the motion files see it: joints, ranges, poses.

Angles are degrees in the server's joint conventions:
  hip pitch (lj3) + flexes the thigh forward, knee (lj4) - bends it,
  ankle pitch (lj5) + lifts the toes; hip roll (lj2) and ankle roll (lj6)
  + tilt to the robot's left; shoulder pitch (aj1) 0 points the arm
  forward, -90 down along the body, +90 up; shoulder roll (aj2) + moves
  the arm to the robot's left; elbow roll (aj4) - bends the left elbow,
  + the right one; hip yaw-pitch (lj1) - turns the toes outward.
"""

import math

# (joint number in the key-frame files = JointID + 1, perceptor name,
#  lowest angle, highest angle).  The ranges are the hinge limits of the
# standard simulated NAO model (rsg/agent/nao/nao.rsg); the server stops a
# joint at them.
JOINTS = [
    (1, "hj1", -120, 120),   # neck yaw
    (2, "hj2", -45, 45),     # neck pitch
    (3, "llj1", -90, 1),     # left hip yaw-pitch
    (4, "rlj1", -90, 1),     # right hip yaw-pitch
    (5, "llj2", -25, 45),    # left hip roll
    (6, "rlj2", -45, 25),    # right hip roll
    (7, "llj3", -25, 100),   # left hip pitch
    (8, "rlj3", -25, 100),   # right hip pitch
    (9, "llj4", -130, 1),    # left knee
    (10, "rlj4", -130, 1),   # right knee
    (11, "llj5", -45, 75),   # left ankle pitch
    (12, "rlj5", -45, 75),   # right ankle pitch
    (13, "llj6", -45, 25),   # left ankle roll
    (14, "rlj6", -25, 45),   # right ankle roll
    (15, "laj1", -120, 120),  # left shoulder pitch
    (16, "raj1", -120, 120),  # right shoulder pitch
    (17, "laj2", -1, 95),    # left shoulder roll
    (18, "raj2", -95, 1),    # right shoulder roll
    (19, "laj3", -120, 120),  # left elbow yaw
    (20, "raj3", -120, 120),  # right elbow yaw
    (21, "laj4", -90, 1),    # left elbow roll
    (22, "raj4", -1, 90),    # right elbow roll
]

NAMES = [j[1] for j in JOINTS]
# Effector names: "hj1" -> "he1", "llj3" -> "lle3".
EFFECTOR = {n: n.replace("j", "e") for n in NAMES}
NUMBER = {j[1]: j[0] for j in JOINTS}
RANGE = {j[1]: (j[2], j[3]) for j in JOINTS}

# Poses keep this far from a hinge stop, so that no motion drives a joint
# into it.
STOP_MARGIN = 0.5

# One server cycle, seconds.
CYCLE = 0.02

LEG_JOINTS = [n for n in NAMES if n[1:3] == "lj"]
ARM_JOINTS = [n for n in NAMES if n[1:3] == "aj"]

# Joints whose angle changes sign between the left and the right side of a
# mirrored pose: the rolls and the elbow yaw.  The pitches and the hip
# yaw-pitch keep their sign.
MIRRORED_SIGN = {"lj2", "lj6", "aj2", "aj3", "aj4"}


def side(name):
    """'l', 'r' or '' (head) for a joint name."""
    return name[0] if name[0] in "lr" else ""


def mirror_name(name):
    s = side(name)
    if not s:
        return name
    return ("r" if s == "l" else "l") + name[1:]


def mirror(pose):
    """The pose seen in a mirror: left and right swapped, rolls negated."""
    out = {}
    for name, angle in pose.items():
        sign = -1 if name[1:] in MIRRORED_SIGN else 1
        out[mirror_name(name)] = sign * angle
    return out


def legs(hip, knee, ankle, roll=0.0, yaw=0.0):
    """Both legs in the same sagittal posture, hips rolled `roll` outward
    (ankle rolls keep the soles parallel to the torso)."""
    left = {"llj1": yaw, "llj2": roll, "llj3": hip, "llj4": knee,
            "llj5": ankle, "llj6": -roll}
    return {**left, **mirror(left)}


def arms(pitch, roll=0.0, yaw=0.0, elbow=0.0):
    """Both arms: shoulder pitch, shoulder roll outward, elbow yaw, elbow
    bend (all given for the left arm and mirrored)."""
    left = {"laj1": pitch, "laj2": roll, "laj3": yaw, "laj4": -elbow}
    return {**left, **mirror(left)}


def pose(*parts, **overrides):
    """Merge partial poses (later ones win) and single joints by name."""
    out = {}
    for part in parts:
        out.update(part)
    out.update(overrides)
    for name in out:
        if name not in RANGE:
            raise ValueError("unknown joint " + name)
    return out


def check_in_range(where, name, angle, margin=STOP_MARGIN):
    lo, hi = RANGE[name]
    if not (lo + margin <= angle <= hi - margin) or not math.isfinite(angle):
        raise ValueError("%s: %s = %.3f outside %g..%g (margin %g)"
                         % (where, name, angle, lo, hi, margin))


# --- Sagittal statics ---------------------------------------------------
# A planar model (y forward, z up, metres) of the robot standing on both
# flat feet, to check that a standing pose keeps its centre of mass over
# the soles.  Link offsets are those of the leg model of the walk engine;
# masses are the model's (kg).
SHANK = 0.1            # knee to ankle
THIGH_DROP = 0.12      # hip to knee, down
THIGH_FORWARD = 0.005  # hip to knee, forward
HIP_TO_TORSO = (0.01, 0.115)   # torso centre from the hip, torso frame
ANKLE_HEIGHT = 0.05    # ankle above the sole
SOLE = (-0.05, 0.11)   # sole from heel to toe, relative to the ankle
SHOULDER = 0.075       # shoulder above the torso centre
ARM_COM = 0.096        # arm centre of mass from the shoulder, along the arm
MASS = {"foot": 0.2, "shank": 0.225, "thigh": 0.275, "hip": 0.215,
        "torso": 1.2171, "head": 0.4, "arm": 0.455}


def rot(angle_deg, y, z):
    a = math.radians(angle_deg)
    return (y * math.cos(a) - z * math.sin(a), y * math.sin(a) + z * math.cos(a))


def add(p, q):
    return (p[0] + q[0], p[1] + q[1])


def sub(p, q):
    return (p[0] - q[0], p[1] - q[1])


def leg_parts(ankle, knee, hip, foot_abs, shank_abs, thigh_abs):
    """Centres of mass of one leg's foot, shank and thigh."""
    return [("foot", add(ankle, rot(foot_abs, 0.03, -0.035))),
            ("shank", add(knee, rot(shank_abs, 0.01, -0.045))),
            ("thigh", add(hip, rot(thigh_abs, 0.01, -0.04)))]


class Stance:
    """The sagittal chain of a robot standing on the flat foot of side `s`
    (ankle at y = 0): absolute link pitches (degrees, 0 upright, - leaning
    forward) and points of the support leg, hip, torso, head and arms."""

    def __init__(self, p, s="l"):
        self.shank_abs = -p[s + "lj5"]
        self.thigh_abs = self.shank_abs - p[s + "lj4"]
        self.torso_abs = self.thigh_abs - p[s + "lj3"]
        self.ankle = (0.0, ANKLE_HEIGHT)
        self.knee = add(self.ankle, rot(self.shank_abs, 0.0, SHANK))
        self.hip = add(self.knee, rot(self.thigh_abs, -THIGH_FORWARD, THIGH_DROP))
        self.torso = add(self.hip, rot(self.torso_abs, *HIP_TO_TORSO))
        self.head = add(self.torso, rot(self.torso_abs, 0.0, 0.155))
        shoulder = add(self.torso, rot(self.torso_abs, 0.0, SHOULDER))
        self.arm = add(shoulder, rot(self.torso_abs + p.get(s + "aj1", -90.0), ARM_COM, 0.0))

    def parts(self):
        """(mass name, centre) of the support leg, hip, torso, head and one arm."""
        return leg_parts(self.ankle, self.knee, self.hip, 0.0, self.shank_abs, self.thigh_abs) + [
            ("hip", self.hip), ("torso", self.torso), ("head", self.head), ("arm", self.arm)]


def centre_of_mass(parts):
    """y of the centre of mass of (mass name, point) parts."""
    total = sum(MASS[n] for n, _ in parts)
    return sum(MASS[n] * pt[0] for n, pt in parts) / total


def sagittal(p):
    """Torso pitch (degrees, - leaning forward), hip height and the centre
    of mass (y relative to the ankle) of a two-foot stand in pose p, taking
    the left leg and left arm for both sides."""
    st = Stance(p, "l")
    # Legs and arms come in pairs.
    parts = [(n, pt) for n, pt in st.parts() for _ in range(1 if n in ("torso", "head") else 2)]
    return st.torso_abs, st.hip[1], centre_of_mass(parts)


def check_balanced(where, p, margin=0.02):
    """The centre of mass lies over the soles, `margin` metres inside."""
    _, _, com_y = sagittal(p)
    if not (SOLE[0] + margin <= com_y <= SOLE[1] - margin):
        raise ValueError("%s: centre of mass %.3f m off the soles" % (where, com_y))
