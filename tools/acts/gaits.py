"""Sine gaits in joint space around the stand.

The gait phase is theta = 2 pi t / T.  The torso sways over the left foot
while sin(theta) > 0 (the right foot is in the air) and over the right foot
while sin(theta) < 0 (the left foot is in the air).  Every amplitude below
is the joint's wanted swing in degrees; Gait writes the larger
amplitudes and earlier phases that make the lagging joint follow it.
"""

import cmath
import math

import robot
import formats
from formats import Term, loop_response

# Hip yaw-pitch turns about an axis tilted 45 degrees: of q degrees, about
# 0.71 q show as yaw and 0.71 q as hip flexion, which the hip pitch takes back.
YAW_PITCH = math.sqrt(0.5)

# A second harmonic of this share of the written amplitude, a quarter turn
# ahead of twice the first one's phase, flattens the written target's top:
# its peak above the offset drops to FLAT_PEAK of the amplitude.  The joint
# follows the second harmonic only half as well as the first.
FLAT_SHARE = math.sqrt(1.0 / 8.0)
FLAT_PEAK = FLAT_SHARE + 1.0 / (8.0 * FLAT_SHARE)

SIN, COS, MINUS_SIN, MINUS_COS = 0.0, math.pi / 2, math.pi, 3 * math.pi / 2


class Harmonic(Term):
    """A wanted sine motion at `harmonic` times the gait's frequency."""

    def __init__(self, label, amp, phase, harmonic):
        super().__init__(label, amp, phase, 0.0)
        self.harmonic = harmonic


class Gait(formats.Gait):
    """A gait whose joints may carry a second term at a harmonic of the
    period; each term is written for the joint's lag at its own period."""

    def file_terms(self, name):
        out = []
        for term in self.joints[name]:
            k = getattr(term, "harmonic", 1)
            gain, lag = loop_response(self.cycles * robot.CYCLE / k) if self.compensate else (1.0, 0.0)
            phase = (term.phase - lag) % (2.0 * math.pi) if term.amp else 0.0
            out.append((term.label, term.amp / gain, self.period() / k, phase, term.alpha))
        return out


class JointMotion:
    """Offset plus the sum of same-period sines of one joint, kept as one
    phasor so that the file holds one term per joint."""

    def __init__(self, offset):
        self.offset = offset
        self.phasor = 0j
        self.labels = []
        self.second = None

    def add(self, label, amp, phase):
        if amp:
            self.phasor += amp * cmath.exp(1j * phase)
            self.labels.append(label)

    def terms(self):
        label = "+".join(self.labels) if self.labels else "hold"
        first = Term(label, abs(self.phasor), cmath.phase(self.phasor) % (2 * math.pi),
                     self.offset)
        return [first] + ([self.second] if self.second else [])


def stepping(stand, cycles=24, sway=5.0, lift=6.0, swing=0.0, side=0.0,
             turn=0.0, flat=False, arm_swing=0.8, startup=0.4, shutdown=0.4):
    """A stepping gait around the pose `stand` (legs and arms):
      sway   hip and ankle rolls that carry the torso over the support foot
      lift   knee bend of the foot in the air (2 * lift at the knee, lift at
             hip and ankle, so the sole stays level)
      swing  hip pitch moving the foot in the air forward (+) or back (-)
      side   hip roll moving the foot in the air to the left (+) or right (-)
      turn   toes-out swing of the hip yaw-pitch: + turns left, - right; the
             legs stand toes-out so that the joint never reaches its stop
      flat   the hip yaw-pitch targets get a flattened top (see FLAT_SHARE),
             so the legs stand less toes-out for the same turn
      arm_swing  shoulder pitch swing per degree of leg swing, against the legs
    """
    m = {name: JointMotion(angle) for name, angle in stand.items()}
    gain, lag = loop_response(cycles * robot.CYCLE)

    for s in "lr":
        m[s + "lj2"].add("sway", sway, MINUS_SIN)
        m[s + "lj6"].add("sway", sway, SIN)
    # The lifted leg: left in the second half of the period, right in the first.
    for s, up in (("l", SIN), ("r", MINUS_SIN)):
        down = (up + math.pi) % (2 * math.pi)
        m[s + "lj4"].add("lift", 2 * lift, up)
        m[s + "lj3"].add("lift", lift, down)
        m[s + "lj5"].add("lift", lift, down)
    # The foot in the air is carried from back to front (or side to side) while
    # the foot on the ground goes the other way under the torso.
    for s, fwd in (("l", COS), ("r", MINUS_COS)):
        back = (fwd + math.pi) % (2 * math.pi)
        m[s + "lj3"].add("swing", swing, fwd)
        m[s + "lj5"].add("swing", swing, back)
    m["llj2"].add("side", side, COS)
    m["llj6"].add("side", side, MINUS_COS)
    m["rlj2"].add("side", side, MINUS_COS)
    m["rlj6"].add("side", side, COS)
    if turn:
        # Toes-out grows while the left foot is in the air for a left turn
        # (the right foot, on the ground, turns the torso left) and shrinks
        # while the right foot is in the air (the left foot turns it).
        written = abs(turn) / gain
        rest = (FLAT_PEAK if flat else 1.0) * written + 2 * robot.STOP_MARGIN
        phase = MINUS_COS if turn > 0 else COS
        gain2, lag2 = loop_response(cycles * robot.CYCLE / 2)
        top = (2 * (phase - lag) + math.pi / 2 + lag2) % (2 * math.pi)
        for s in "lr":
            yaw = m[s + "lj1"]
            yaw.offset -= rest
            yaw.add("turn", abs(turn), phase)
            m[s + "lj3"].offset -= YAW_PITCH * rest
            m[s + "lj3"].add("turn", YAW_PITCH * abs(turn), phase)
            if flat:
                amp2 = FLAT_SHARE * written * gain2
                yaw.second = Harmonic("flat", amp2, top, 2)
                m[s + "lj3"].second = Harmonic("flat", YAW_PITCH * amp2, (top + math.pi) % (2 * math.pi), 2)
    m["laj1"].add("arms", arm_swing * swing, MINUS_COS)
    m["raj1"].add("arms", arm_swing * swing, COS)

    joints = {name: jm.terms() for name, jm in m.items()}
    return Gait(cycles, startup, shutdown, joints)


def mirrored(gait):
    """The gait seen in a mirror: left and right joints swapped, rolls and
    elbow yaws negated, at the same times."""
    joints = {}
    for name, terms in gait.joints.items():
        sign = -1 if name[1:] in robot.MIRRORED_SIGN else 1
        joints[robot.mirror_name(name)] = [mirrored_term(t, sign) for t in terms]
    return Gait(gait.cycles, gait.startup, gait.shutdown, joints, gait.compensate)


def mirrored_term(t, sign):
    phase = t.phase if sign > 0 or not t.amp else (t.phase + math.pi) % (2 * math.pi)
    if isinstance(t, Harmonic):
        return Harmonic(t.label, t.amp, phase, t.harmonic)
    return Term(t.label, t.amp, phase, sign * t.alpha)


def hold(stand, cycles=24):
    """A periodic motion that only holds the pose: a harmless stand-in."""
    joints = {name: [Term("hold", 0.0, 0.0, angle)] for name, angle in stand.items()}
    return Gait(cycles, 0.2, 0.2, joints)
