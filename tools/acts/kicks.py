"""The kick files: the general kick's three recordings, the two side kicks'
command lines and the angled kicks' token files.

General kick (KickRMove1..3, KickRHold1..3).  The player first drives the
joints to the kick-ready posture READY, then sends one frame per cycle:
the speeds (rad/s) of joints 1..6 of the kicking (moving) leg and of the
support (holding) leg.  Each file holds 42 frames of six numbers, one frame
a line; frames 0..40 are sent, frame 41 is never sent (the stop command
takes its cycle) and is all zeros.  The recordings kick with the right leg
on the left foot; the player mirrors them for the other side (legs swapped,
hip and ankle rolls negated).  The number files take no comments: a word
that is not a number ends the player's reading.

Each recording is built from segments (cycles, targets, name): over its
cycles every named joint moves at a constant speed to its target.  The
checks run a planar model of the robot on its support foot (robot.Stance)
through every sub-step of the kick: the kicking foot meets a ball at the
recording's distance ahead of the head's ground point, never touches the
ground between lifting off and setting down, the centre of mass stays over
the support sole, no joint leaves its range (in either mirror image), no
speed exceeds the motors', and the kick ends in READY.

Side kicks (KickL, KickR).  The player drives 20 joints for 25 cycles to
its fixed approach posture and then sends one stored line a cycle;
the lines here start from that posture, set every arm and leg joint in
their first line (the approach's last speeds would otherwise go on) and
end with zero speeds in a stable two-foot stand.  The head is left to head
control, which commands it in every cycle.  The ball lies 0.10-0.15 m to
the side, out of the general kick's reach: the robot first steps that far
sideways (right foot out, then left foot in) and then plays the general
kick's recording.

Angled kicks.  Nothing requests them yet: their token files hold zero
speeds, which keep the kick-ready posture while the frames play.
"""

import math

import postures
import robot
from formats import MAX_SPEED, CommandLines, num
from motions import motion
from robot import arms, mirror, pose

BALL_RADIUS = 0.042
# Every kick leaves the centre of mass at least this far inside the support
# sole (the strike itself is brief, so less than a stand's margin).
KICK_COM_MARGIN = 0.01
# How far the planar model's sole may stand below its ground: while the
# foot bears weight or is being lifted or set down, and while it is up.
# The model puts the swinging sole lower than the server's robot has it:
# the general kick's right foot, which the model takes 3.4 mm into the
# ground as it lifts and 2.3 mm as it is taken back, reads no ground
# contact on its force sensor from lift-off to set-down.
GROUND_FLOOR = -0.004
CLEARANCE = -0.003
# The foot must push at least this far into the ball's outline.
BITE = 0.005
SUBSTEPS = 10
# The server caps every hinge at 351.77 degrees/s; a faster frame would be
# cut and leave the joints behind the plan for the rest of the kick.
KICK_SPEED_LIMIT = math.radians(351.77)

LEG = [1, 2, 3, 4, 5, 6]


# --- the general kick -------------------------------------------------------
# Kick-ready posture for a kick on the left foot, as the player drives to it:
# the legs parallel, both rolled so that the torso stands over the left foot.
READY = postures.kick_ready()

FRAMES = 42
FRAMES_SENT = 41


class SwingLeg:
    """The kicking leg hung from the hip of a Stance: sole points and the
    front edge of the foot."""

    def __init__(self, st, p, k="r"):
        self.thigh_abs = st.torso_abs + p[k + "lj3"]
        self.shank_abs = self.thigh_abs + p[k + "lj4"]
        self.foot_abs = self.shank_abs + p[k + "lj5"]
        self.knee = robot.sub(st.hip, robot.rot(self.thigh_abs, -robot.THIGH_FORWARD, robot.THIGH_DROP))
        self.ankle = robot.sub(self.knee, robot.rot(self.shank_abs, 0.0, robot.SHANK))
        self.toe = robot.add(self.ankle, robot.rot(self.foot_abs, robot.SOLE[1], -robot.ANKLE_HEIGHT))
        self.heel = robot.add(self.ankle, robot.rot(self.foot_abs, robot.SOLE[0], -robot.ANKLE_HEIGHT))
        self.hip = st.hip

    def parts(self):
        return robot.leg_parts(self.ankle, self.knee, self.hip, self.foot_abs, self.shank_abs, self.thigh_abs)

    def front_edge(self, steps=5):
        """Points up the front of the foot, from the sole 0.04 m up."""
        top = robot.add(self.toe, robot.rot(self.foot_abs, 0.0, 0.04))
        return [(self.toe[0] + (top[0] - self.toe[0]) * i / steps,
                 self.toe[1] + (top[1] - self.toe[1]) * i / steps) for i in range(steps + 1)]


def one_foot_com(st, leg):
    """Centre of mass (y) on one foot: the stance's parts with both arms, the
    swinging leg and both hip halves."""
    parts = st.parts() + leg.parts() + [("hip", st.hip), ("arm", st.arm)]
    return robot.centre_of_mass(parts)


def ball_gap(leg, ball):
    """How far the front of the foot is from the ball's outline (< 0: inside)."""
    return min(math.hypot(e[0] - ball[0], e[1] - ball[1]) for e in leg.front_edge()) - BALL_RADIUS


def check_over_support(where, st, leg):
    com = one_foot_com(st, leg)
    if not (robot.SOLE[0] + KICK_COM_MARGIN <= com <= robot.SOLE[1] - KICK_COM_MARGIN):
        raise ValueError("%s: centre of mass %.3f m off the support sole" % (where, com))


def segment_poses(start, segments):
    """(segment name, cycle, pose at the end of each sub-step) over all cycles."""
    at = dict(start)
    for cycles, targets, name in segments:
        goal = dict(at)
        goal.update(targets)
        for c in range(cycles):
            for i in range(1, SUBSTEPS + 1):
                share = (c + i / SUBSTEPS) / cycles
                yield name, c, {n: at[n] + (goal[n] - at[n]) * share for n in at}
        at = goal


def cycle_speeds(start, segments, joints):
    """Per cycle, the speed (rad/s) of each joint, as numbers written to the files."""
    at = dict(start)
    out = []
    for cycles, targets, _ in segments:
        goal = dict(at)
        goal.update(targets)
        speed = {n: float(num(math.radians(goal[n] - at[n]) / (cycles * robot.CYCLE), 4)) for n in joints}
        out.extend([speed] * cycles)
        at = goal
    return out


def support(base, lean=0.0, back=0.0, bend=0.0):
    """Left-leg targets that tilt the shank `lean` degrees forward over the
    foot (carrying the hip forward), lean the torso `back` degrees back and
    bend the knee `bend` degrees more, all from the pose base."""
    return {"llj5": base["llj5"] + lean - bend / 2,
            "llj4": base["llj4"] - bend,
            "llj3": base["llj3"] - lean - back - bend / 2}


def shift(extra):
    """Both legs rolled `extra` degrees further: the torso moves over the left foot."""
    return {"llj2": READY["llj2"] - extra, "rlj2": READY["rlj2"] - extra,
            "llj6": READY["llj6"] + extra, "rlj6": READY["rlj6"] + extra}


def kick_leg(hip, knee, ankle):
    return {"rlj3": hip, "rlj4": knee, "rlj5": ankle}


class KickRecording:
    """One general-kick recording (both files), for a ball `ball` metres ahead
    of the head's ground point in READY."""

    def __init__(self, ball, segments):
        self.ball = ball
        self.segments = segments

    def speeds(self):
        sent = cycle_speeds(READY, self.segments, robot.LEG_JOINTS)
        return sent + [{n: 0.0 for n in robot.LEG_JOINTS}] * (FRAMES - len(sent))

    def text(self, part):
        side = "r" if part == "move" else "l"
        lines = [" ".join(num(f[side + "lj%d" % j], 4) for j in LEG) for f in self.speeds()]
        return "\n".join(lines) + "\n"

    def check(self, where):
        sent = sum(c for c, _, _ in self.segments)
        if sent != FRAMES_SENT:
            raise ValueError("%s: %d frames, the player sends %d" % (where, sent, FRAMES_SENT))
        self.check_speeds(where)
        self.check_played(where)

    def check_speeds(self, where):
        for k, frame in enumerate(self.speeds()):
            for n, v in frame.items():
                if abs(v) > min(MAX_SPEED, KICK_SPEED_LIMIT):
                    raise ValueError("%s frame %d: %s at %.2f rad/s" % (where, k, n, v))

    def check_played(self, where):
        """Plays the plan from READY on the model; ranges also in its mirror image."""
        ball = (robot.Stance(READY).head[0] + self.ball, BALL_RADIUS)
        bite = 1.0
        for name, _, p in segment_poses(READY, self.segments):
            at_where = "%s %s" % (where, name)
            mirrored = mirror(p)
            for n in robot.LEG_JOINTS:
                robot.check_in_range(at_where, n, p[n])
                robot.check_in_range(at_where + " (mirrored)", n, mirrored[n])
            st = robot.Stance(p)
            leg = SwingLeg(st, p)
            check_over_support(at_where, st, leg)
            lowest = min(leg.toe[1], leg.heel[1])
            floor = GROUND_FLOOR if name in ("shift", "lift", "down", "settle") else CLEARANCE
            if lowest < floor:
                raise ValueError("%s: kicking sole %.3f m into the ground" % (at_where, -lowest))
            bite = min(bite, ball_gap(leg, ball))
        if bite > -BITE:
            raise ValueError("%s: the foot misses a ball %.3f m ahead by %.3f m" % (where, self.ball, bite))
        end = dict(READY)
        for frame in self.speeds():
            for n in robot.LEG_JOINTS:
                end[n] += math.degrees(frame[n]) * robot.CYCLE
        for n in robot.LEG_JOINTS:
            if abs(end[n] - READY[n]) > 0.5:
                raise ValueError("%s ends with %s at %.2f, not %.2f" % (where, n, end[n], READY[n]))


def general_kick(ball, lift, windup, strike, lean=0.0, back=0.0, bend=0.0,
                 frames=(6, 6, 6, 8, 2, 6, 6, 1), windup_lean=0.3, shift_by=6.0, strike_roll=0.0):
    """The one kick plan of all three recordings (frames in brackets, by
    default): shift the torso over the left foot (6), lift the right foot
    (6), take it back behind the hip with the knee bent while the support
    leg starts to lean in (6), swing it through the ball near the motors'
    top speed while the support leg leans in fully and the kicking hip rolls
    `strike_roll` degrees further (8), hold (2), pull the foot
    back under the hip while the support leg straightens (6), set it down in
    READY (6) and stand still (1)."""
    def lean_in(share):
        return support(READY, lean * share, back * share, bend * share)

    f_shift, f_lift, f_windup, f_strike, f_follow, f_retract, f_down, f_settle = frames
    shifted = shift(shift_by)
    rolled = shifted["rlj2"]
    return KickRecording(ball, [
        (f_shift, shifted, "shift"),
        (f_lift, kick_leg(*lift), "lift"),
        (f_windup, {**kick_leg(*windup), **lean_in(windup_lean)}, "windup"),
        (f_strike, {**kick_leg(*strike), **lean_in(1.0), "rlj2": rolled + strike_roll}, "strike"),
        (f_follow, {}, "follow"),
        (f_retract, {**kick_leg(40, -60, 15), **lean_in(0.0), "rlj2": rolled}, "retract"),
        (f_down, {n: READY[n] for n in robot.LEG_JOINTS}, "down"),
        (f_settle, {}, "settle"),
    ])


# Right-leg targets (hip pitch, knee, ankle pitch) per phase.  The torso
# shifts over the left foot in one frame, the right foot is lifted short and
# drawn back for 10 frames while the support leg leans a quarter of the way
# in, so that the swing passes its lowest point further ahead; the 7-frame
# strike meets a ball 0.25-0.32 m ahead low on the foot.  Found by a search
# in the sync-mode server with the robot standing still before the kick
# (tools/motion-bench/RESULTS.md); the side kicks play it after their step.
def _standing_kick():
    return general_kick(0.30, lift=(11.8, -51, 28), windup=(7.3, -89.6, 39.8), strike=(44.1, -42.7, 2.6),
                        lean=26.8, back=7.5, bend=5.8, windup_lean=0.28, shift_by=5.8,
                        frames=(1, 5, 10, 7, 3, 7, 6, 2))


# The kick as the kicking skills fire it: they stop the walk once the ball
# reads 0.25-0.42 m ahead, a distance taken in the camera's frame that lies
# about 0.16 m beyond the ball's ground distance at this range, and the
# frames start about 1 s after the walk's last step.  The ball then lies
# 0.16-0.28 m ahead (ground truth), whichever type the reading selects, so
# all three recordings play one kick, found by a search on the penalty
# taker's own kicks in the sync-mode server with the strike's hip and knee
# taken as shares of the motors' top speed (tools/motion-bench/RESULTS.md).
# In play the skill asks for another motion as soon as the ball has gone,
# so only the frames up to the follow-through are played there; the rest
# brings a robot that goes on kicking back to READY.
def _approach_kick():
    return general_kick(0.22, lift=(13.4, -44.2, 32.9), windup=(10.4, -89.8, 41.8), strike=(48.0, -48.9, 9.1),
                        lean=22.4, back=5.5, bend=7.5, windup_lean=0.3, shift_by=7.2, strike_roll=0.9,
                        frames=(2, 5, 12, 6, 4, 6, 5, 1))


KICKS = {1: _approach_kick, 2: _approach_kick, 3: _approach_kick}


class KickFile:
    """One of the two files of a recording."""

    def __init__(self, recording, part):
        self.recording = recording
        self.part = part

    def text(self):
        return self.recording.text(self.part)

    def check(self, where):
        self.recording.check(where)


for _type, _build in KICKS.items():
    motion("KickRMove%d" % _type)(lambda build=_build: KickFile(build(), "move"))
    motion("KickRHold%d" % _type)(lambda build=_build: KickFile(build(), "hold"))


# --- side kicks ---------------------------------------------------------------
def side_approach(name):
    """The approach posture of a side kick, the head straight."""
    return pose(postures.side_kick_approach(name), hj1=0, hj2=0)


SIDE_APPROACH = {name: side_approach(name) for name in ("KickL", "KickR")}
SIDE_LINES_MAX = 300
ARM_AND_LEG_JOINTS = robot.LEG_JOINTS + robot.ARM_JOINTS
SIDE_BALL_ASIDE = (0.10, 0.15)


# The side step of KickR (degrees, frames), found in the sync-mode server
# (tools/motion-bench/RESULTS.md).
SIDE_STEP = dict(shift_left=10.4, out=14.1, over_right=(21.0, 2.4), left_in=2.1, lift=17.8, end_roll=1.0,
                 forward=0.06, frames=(12, 15, 10, 32, 7, 9, 4, 9, 5, 10))
# The general kick meets a ball this far to the side of the torso's start,
# give or take SIDE_REACH.
KICK_ASIDE = 0.05
SIDE_REACH = 0.03
# The two feet's steps differ by at most this much (the stance keeps its width).
STEP_MISMATCH = 0.02
# A foot lifted for the step is at least this high.
LIFT_CLEARANCE = 0.01
# The hip's height over the ankle in the kick-ready posture.
READY_LEG = robot.Stance(READY).hip[1] - robot.ANKLE_HEIGHT


def side_kick_right(start, shift_left, out, over_right, left_in, lift, end_roll, forward, frames):
    """KickR from its approach posture: a side step to the right that puts
    the ball at the side in front of the right foot, then the general kick.
    Frames in brackets: torso over the left foot (both legs rolled
    `shift_left`), right foot lifted and rolled `out` further out, set down,
    torso over the right foot (left and right hip rolls `over_right`), left
    foot lifted and brought in (hip roll `left_in`), set down (the feet
    `forward` metres further ahead, the right one first), the kick-ready
    posture, held still; then the general kick, back onto both feet (the
    approach posture, legs rolled `end_roll` toward the left foot) and stand
    still."""
    def rolls(left, right):
        return {"llj2": left, "llj6": -left, "rlj2": right, "rlj6": -right}

    def lifted(side, roll):
        k = side + "lj"
        return {k + "3": READY[k + "3"] + lift, k + "4": READY[k + "4"] - 2 * lift, k + "5": READY[k + "5"] + lift,
                k + "2": roll, k + "6": -roll}

    def tilted(side, share):
        """One leg turned about the hip so that its foot stands `share` of
        `forward` ahead of the hip, the sole flat."""
        k = side + "lj"
        a = math.degrees(math.asin(share * forward / READY_LEG))
        return {k + "3": READY[k + "3"] + a, k + "4": READY[k + "4"], k + "5": READY[k + "5"] - a}

    crouch = {n: READY[n] for n in robot.LEG_JOINTS if n[3] in "345"}
    f_left, f_lift_r, f_down_r, f_right, f_lift_l, f_down_l, f_ready, f_wait, f_back, f_still = frames
    wide = -shift_left - out
    return [
        (f_left, {**crouch, **rolls(-shift_left, -shift_left), **arms(pitch=-90, roll=8)}, "torso over the left foot"),
        (f_lift_r, lifted("r", wide), "right foot lifted out"),
        (f_down_r, {**tilted("r", 1.0), **rolls(-shift_left, wide)}, "right foot set down"),
        (f_right, {**tilted("l", -0.5), **tilted("r", 0.5), **rolls(*over_right)}, "torso over the right foot"),
        (f_lift_l, lifted("l", left_in), "left foot lifted in"),
        (f_down_l, {**tilted("l", 0.5), **rolls(left_in, over_right[1])}, "left foot set down"),
        (f_ready, {n: READY[n] for n in robot.LEG_JOINTS}, "kick-ready posture"),
        (f_wait, {}, "held still"),
    ] + [(c, t, "kick " + name) for c, t, name in _standing_kick().segments] + [
        (f_back, {**{n: start[n] for n in robot.LEG_JOINTS}, **rolls(-end_roll, -end_roll)}, "back onto both feet"),
        (f_still, {}, "stand still"),
    ]


class SideKickLines(CommandLines):
    """A side kick's lines, planned for the right foot (KickR) and mirrored
    for the left (KickL); the side step is checked on a lateral model of
    the right-foot plan (the general kick it plays is checked on its own)."""

    def __init__(self, name, **plan):
        start = SIDE_APPROACH[name]
        self.mirrored = name == "KickL"
        self.plain_start = mirror(start) if self.mirrored else start
        self.step = {**SIDE_STEP, **plan}
        self.plain = side_kick_right(self.plain_start, **self.step)
        segments = [(c, mirror(p), n) for c, p, n in self.plain] if self.mirrored else self.plain
        super().__init__(start, segments, SIDE_LINES_MAX, joints=ARM_AND_LEG_JOINTS, header=(
            "%s: one line of arm and leg speeds (rad/s) per cycle after the approach;" % name,
            "the head is left to head control.  Written by tools/acts/generate.py."))

    def check(self, where):
        super().check(where)
        last = self.plan()[-1][1]
        if any(last[n] != 0 for n in ARM_AND_LEG_JOINTS):
            raise ValueError(where + ": the last line is not all zeros")
        robot.check_balanced(where + " end", self.end_pose())
        self.check_kick(where)

    def check_kick(self, where):
        """Lateral model of the side step: a leg rolled r from the upright
        torso puts its ankle h sin(r) to the side of its hip (h the hip's
        height over the ankle in the kick-ready posture).  Each foot's step
        is its change of roll while it is up; after both the general kick
        meets a ball in the middle of the band.  The lifted feet clear the
        ground."""
        s = self.step
        side = lambda r: READY_LEG * math.sin(math.radians(r))
        right = side(s["shift_left"] + s["out"]) - side(s["shift_left"])
        left = side(s["over_right"][0]) - side(s["left_in"])
        if abs(right - left) > STEP_MISMATCH:
            raise ValueError("%s: the right foot steps %.3f m, the left %.3f m" % (where, right, left))
        middle = sum(SIDE_BALL_ASIDE) / 2 - (right + left) / 2
        if abs(middle - KICK_ASIDE) > SIDE_REACH:
            raise ValueError("%s: after the step the ball lies %.3f m aside, the kick meets it at %.3f m"
                             % (where, middle, KICK_ASIDE))
        at = dict(self.plain_start)
        for _, targets, name in self.plain:
            at.update(targets)
            if name in ("right foot lifted out", "left foot lifted in"):
                up = name[0]
                foot = SwingLeg(robot.Stance(at, "l" if up == "r" else "r"), at, up)
                height = min(foot.toe[1], foot.heel[1])
                if height < LIFT_CLEARANCE:
                    raise ValueError("%s %s: the lifted foot is %.3f m up" % (where, name, height))


for _side in ("KickL", "KickR"):
    motion(_side)(lambda name=_side: SideKickLines(name))


# --- angled kicks ---------------------------------------------------------------
ANGLED_FRAMES = 30


class LegTokens:
    """An angled kick's token file: 30 frames of six speed tokens."""

    def __init__(self, frames):
        self.frames = frames

    def text(self):
        return "\n".join(" ".join(f) for f in self.frames) + "\n"

    def check(self, where):
        tokens = [t for f in self.frames for t in f]
        if len(self.frames) != ANGLED_FRAMES or len(tokens) != 6 * ANGLED_FRAMES:
            raise ValueError("%s: %d tokens, the player reads %d" % (where, len(tokens), 6 * ANGLED_FRAMES))
        for t in tokens:
            if "z" in t or not math.isfinite(float(t)) or abs(float(t)) > MAX_SPEED:
                raise ValueError("%s: token %r" % (where, t))


for _angled in ("KickLeft45", "KickRight45", "KickLeft90", "KickRight90"):
    for _part in ("move", "hold"):
        motion(_angled + _part)(lambda: LegTokens([["0"] * 6 for _ in range(ANGLED_FRAMES)]))
