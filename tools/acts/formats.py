"""The three kinds of motion file and their checks.

KeyFrames     -> key-frame table (frames of target angles with times)
Gait          -> periodic file (sine terms per joint, fade-in and fade-out)
CommandLines  -> one line of joint speeds per cycle, e.g. GetUpBack.txt

Each class builds its file text with text() and raises ValueError from
check() when the data would drive a joint into a stop, ask for more speed
than the motors give, or break the format the players read.
"""

import cmath
import math

import robot

# The players write speeds in rad/s; the simulated motors do not reach much
# more than 7 rad/s, so no frame or line asks for more than this.
MAX_SPEED = 6.5


def num(x, digits=3):
    """A number as written in the files: fixed point, no trailing zeros."""
    text = ("%." + str(digits) + "f") % x
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def on_grid(t):
    return abs(t / robot.CYCLE - round(t / robot.CYCLE)) < 1e-9


# --- key frames -----------------------------------------------------------
class KeyFrames:
    """Frames played one after another from time 0.  Each frame is
    (duration in seconds, pose); a joint missing from a frame's pose is not
    driven in that frame (speed 0).

    The player gives each driven joint, every cycle, the speed
    (target - angle) / (time left in the frame) / 50, so a frame reaches its
    pose at its end; times are whole cycles, which keeps every frame edge
    half a cycle away from the player's sampling points.  `start` is the
    posture the motion is expected to begin from, for the speed check."""

    def __init__(self, frames, start):
        self.frames = frames
        self.start = start

    def times(self):
        t, out = 0.0, []
        for duration, _ in self.frames:
            out.append((t, t + duration))
            t += duration
        return out

    def text(self):
        times = self.times()
        joints = sorted({n for _, p in self.frames for n in p},
                        key=lambda n: robot.NUMBER[n])
        lines = ["%d %d" % (len(joints) + 2, len(self.frames) + 1),
                 " ".join(["0"] + [num(s, 2) for s, _ in times]),
                 " ".join(["0"] + [num(e, 2) for _, e in times])]
        for name in joints:
            row = [num(p[name]) if name in p else "-1000" for _, p in self.frames]
            lines.append(" ".join([str(robot.NUMBER[name])] + row))
        return "\n".join(lines) + "\n"

    def check(self, where):
        if not self.frames:
            raise ValueError(where + ": no frame")
        before = dict(self.start)
        for i, (duration, p) in enumerate(self.frames):
            at = "%s frame %d" % (where, i)
            if duration <= 0 or not on_grid(duration):
                raise ValueError(at + ": duration %g not whole cycles" % duration)
            for name, angle in p.items():
                robot.check_in_range(at, name, angle)
                if name in before:
                    speed = math.radians(abs(angle - before[name])) / duration
                    # The player's law commands (gap / time) / 50, a little
                    # more than gap / time in rad/s.
                    speed *= 180.0 / math.pi / 50.0
                    if speed > MAX_SPEED:
                        raise ValueError("%s: %s needs %.2f rad/s" % (at, name, speed))
                before[name] = angle

    def duration(self):
        return sum(d for d, _ in self.frames)


# --- periodic gaits -------------------------------------------------------
# The periodic player commands (target - angle) * 0.1 rad/s with the angle in
# degrees: each cycle a joint closes G of its gap, G = 0.1 * 0.02 * 180 / pi.
LOOP_GAIN = 0.1 * robot.CYCLE * 180.0 / math.pi


def loop_response(period):
    """Gain and phase (radians, negative = lag) with which a joint follows a
    sine target of this period: angle[n+1] = angle[n] + G (target[n] - angle[n])."""
    z = cmath.exp(1j * 2.0 * math.pi * robot.CYCLE / period)
    h = LOOP_GAIN / (z - 1.0 + LOOP_GAIN)
    return abs(h), cmath.phase(h)


class Term:
    """One wanted sine motion of a joint: the joint should swing `amp`
    degrees around its offset with phase `phase` (radians) at the gait's
    period.  The file gets the amplitude and phase that make the lagging
    joint do so."""

    def __init__(self, label, amp, phase=0.0, alpha=0.0):
        self.label, self.amp, self.phase, self.alpha = label, amp, phase, alpha


class Gait:
    """A periodic motion: per joint one or two Terms with a shared period of
    `cycles` server cycles.

    The written period is 0.005 s short of the whole cycles: the player ends
    a period at the first time past it, so each period plays exactly
    `cycles` cycles whatever the rounding of its summed time."""

    def __init__(self, cycles, startup, shutdown, joints, compensate=True):
        self.cycles = cycles
        self.startup, self.shutdown = startup, shutdown
        self.joints = joints
        self.compensate = compensate

    def period(self):
        return self.cycles * robot.CYCLE - 0.005

    def file_terms(self, name):
        """(label, A, T, phi, alpha) as written for a joint."""
        period = self.period()
        gain, lag = loop_response(self.cycles * robot.CYCLE) if self.compensate else (1.0, 0.0)
        out = []
        for term in self.joints[name]:
            phase = (term.phase - lag) % (2.0 * math.pi) if term.amp else 0.0
            out.append((term.label, term.amp / gain, period, phase, term.alpha))
        return out

    def text(self):
        lines = [num(self.startup, 2) + " " + num(self.shutdown, 2)]
        for name in sorted(self.joints, key=lambda n: robot.NUMBER[n]):
            groups = []
            for label, a, t, phi, alpha in self.file_terms(name):
                groups.append(" ".join([label, num(a), num(t, 3), num(phi, 4), num(alpha)]))
            lines.append(name + " " + " ".join(groups))
        return "\n".join(lines) + "\n"

    def targets(self, name, factor):
        """The player's targets for a joint over one period (and the one
        extra cycle a winding-down period plays)."""
        terms = self.file_terms(name)
        steps = int(round((self.period() + robot.CYCLE) / 0.001))
        for i in range(steps + 1):
            t = i * 0.001
            yield sum(a * factor * math.sin(2 * math.pi * t / period + phi) + alpha
                      for _, a, period, phi, alpha in terms)

    def check(self, where):
        if self.startup <= 0 or self.shutdown <= 0:
            raise ValueError(where + ": start-up and shut-down times must be > 0")
        for name, terms in self.joints.items():
            if not 1 <= len(terms) <= 2:
                raise ValueError("%s: %s has %d terms" % (where, name, len(terms)))
            for factor in (0.0, 1.0):
                for target in self.targets(name, factor):
                    robot.check_in_range(where, name, target)


# --- command lines ----------------------------------------------------------
class CommandLines:
    """Lines of joint speeds, one line per cycle, sent unchanged.  Built from
    segments (cycles, pose): over `cycles` lines every joint moves at a
    constant speed from the pose before to this pose.  `start` is the
    posture the lines begin from (every joint given); `end`, if given, the
    posture they must leave every joint in; `joints` those the lines command
    (all by default)."""

    def __init__(self, start, segments, max_lines, header=(), end=None, joints=robot.NAMES):
        self.start = start
        self.end = end
        self.joints = joints
        self.segments = segments
        self.max_lines = max_lines
        self.header = header

    def plan(self):
        """(comment, speeds by joint in rad/s, cycles) per segment."""
        at = dict(self.start)
        out = []
        for cycles, p, comment in self.segments:
            goal = dict(at)
            goal.update(p)
            speeds = {n: math.radians(goal[n] - at[n]) / (cycles * robot.CYCLE)
                      for n in robot.NAMES}
            out.append((comment, speeds, cycles))
            at = goal
        return out

    def end_pose(self):
        at = dict(self.start)
        for _, speeds, cycles in self.plan():
            for n in robot.NAMES:
                at[n] += math.degrees(speeds[n]) * cycles * robot.CYCLE
        return at

    def text(self):
        lines = ["# " + h for h in self.header]
        for comment, speeds, cycles in self.plan():
            lines.append("# %s: %d cycles" % (comment, cycles))
            line = "".join("(%s %s)" % (robot.EFFECTOR[n], num(speeds[n], 4))
                           for n in self.joints)
            lines.extend([line] * cycles)
        return "\n".join(lines) + "\n"

    def check(self, where):
        count = sum(c for c, _, _ in self.segments)
        if count > self.max_lines:
            raise ValueError("%s: %d lines, at most %d" % (where, count, self.max_lines))
        at = dict(self.start)
        for comment, speeds, cycles in self.plan():
            for n in robot.NAMES:
                if abs(speeds[n]) > MAX_SPEED:
                    raise ValueError("%s %s: %s at %.2f rad/s" % (where, comment, n, speeds[n]))
                at[n] += math.degrees(speeds[n]) * cycles * robot.CYCLE
                robot.check_in_range(where + " " + comment, n, at[n])
        for n, angle in (self.end or {}).items():
            if abs(at[n] - angle) > 0.1:
                raise ValueError("%s ends with %s at %.2f, not %.2f" % (where, n, at[n], angle))
