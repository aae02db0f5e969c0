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
control, which commands it in every cycle.

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
                 frames=(6, 6, 6, 8, 2, 6, 6, 1), windup_lean=0.3, shift_by=6.0):
    """The one kick plan of all three recordings (frames in brackets, by
    default): shift the torso over the left foot (6), lift the right foot
    (6), take it back behind the hip with the knee bent while the support
    leg starts to lean in (6), swing it through the ball near the motors'
    top speed while the support leg leans in fully (8), hold (2), pull the foot
    back under the hip while the support leg straightens (6), set it down in
    READY (6) and stand still (1)."""
    def lean_in(share):
        return support(READY, lean * share, back * share, bend * share)

    f_shift, f_lift, f_windup, f_strike, f_follow, f_retract, f_down, f_settle = frames
    return KickRecording(ball, [
        (f_shift, shift(shift_by), "shift"),
        (f_lift, kick_leg(*lift), "lift"),
        (f_windup, {**kick_leg(*windup), **lean_in(windup_lean)}, "windup"),
        (f_strike, {**kick_leg(*strike), **lean_in(1.0)}, "strike"),
        (f_follow, {}, "follow"),
        (f_retract, {**kick_leg(40, -60, 15), **lean_in(0.0)}, "retract"),
        (f_down, {n: READY[n] for n in robot.LEG_JOINTS}, "down"),
        (f_settle, {}, "settle"),
    ])


# Right-leg targets (hip pitch, knee, ankle pitch) per phase.  The torso
# shifts over the left foot in one frame, the right foot is lifted short and
# drawn back for 10 frames while the support leg leans a quarter of the way
# in, so that the swing passes its lowest point further ahead; the 7-frame
# strike meets a ball 0.25-0.32 m ahead low on the foot.  Found by a search
# in the sync-mode server (tools/motion-bench/RESULTS.md).  All three
# recordings play the same kick.
def _kick():
    return general_kick(0.30, lift=(11.8, -51, 28), windup=(7.3, -89.6, 39.8), strike=(44.1, -42.7, 2.6),
                        lean=26.8, back=7.5, bend=5.8, windup_lean=0.28, shift_by=5.8,
                        frames=(1, 5, 10, 7, 3, 7, 6, 2))


KICKS = {1: _kick, 2: _kick, 3: _kick}


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
# Torso over the left foot: both legs rolled this far.
SIDE_SHIFT = 14.0
# The right leg then swings out this much more, toward the ball at its side.
SIDE_SPREAD = 22.0
SIDE_BALL_AHEAD = (0.25, 0.35)
SIDE_BALL_ASIDE = (0.10, 0.15)
HIP_HALF_WIDTH = 0.055
FOOT_HALF_WIDTH = 0.04


def side_kick_right(start, lift=(33, -68, 35), under=(15, -61, 36), through=(39, -41, 0),
                    strike=(42, -16, -35), lean=20.0, back=12.0, bend=1.0):
    """KickR from its approach posture, in the phases of the general kick:
    shift onto the left foot, lift the right foot out to the side, take it
    back under the hip, swing it straight forward through the ball while the
    support leg leans in, pull it back, set it down, come back onto both feet
    and stand still."""
    def lean_in(share):
        return support(start, lean * share, back * share, bend * share)

    rolled = {"llj2": -SIDE_SHIFT, "rlj2": -SIDE_SHIFT, "llj6": SIDE_SHIFT, "rlj6": SIDE_SHIFT}
    spread = {"rlj2": -SIDE_SHIFT - SIDE_SPREAD, "rlj6": SIDE_SHIFT + SIDE_SPREAD}
    end = pose(start, arms(pitch=-90, roll=5))
    return [
        (8, {**rolled, **arms(pitch=-90, roll=8)}, "arms out, torso over the left foot"),
        (8, {**spread, **kick_leg(*lift)}, "right foot lifted out"),
        (6, {**kick_leg(*under), **lean_in(0.4)}, "foot back under the hip"),
        (6, {**kick_leg(*through), **lean_in(0.8)}, "swing through"),
        (6, {**kick_leg(*strike), **lean_in(1.0)}, "strike"),
        (3, kick_leg(strike[0] + 2, strike[1] + 3, strike[2]), "follow through"),
        (8, {**kick_leg(35, -62, 20), **lean_in(0.5)}, "foot pulled back"),
        (8, {**rolled, **kick_leg(start["rlj3"], start["rlj4"], start["rlj5"]), **lean_in(0.0)}, "foot set down"),
        (10, end, "back onto both feet"),
        (10, end, "stand still"),
    ]


class SideKickLines(CommandLines):
    """A side kick's lines, planned for the right foot (KickR) and mirrored
    for the left (KickL); the kick itself is checked on the planar model on
    the right-foot plan."""

    def __init__(self, name):
        start = SIDE_APPROACH[name]
        self.mirrored = name == "KickL"
        self.plain_start = mirror(start) if self.mirrored else start
        self.plain = side_kick_right(self.plain_start)
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
        """The right foot meets balls across the band ahead and to the side,
        and stays clear of the ground while it is up."""
        head = robot.Stance(self.plain_start).head[0]
        best = {}
        for name, _, p in segment_poses(self.plain_start, self.plain):
            st = robot.Stance(p)
            leg = SwingLeg(st, p)
            on_ground = name in ("arms out, torso over the left foot", "right foot lifted out", "foot set down",
                                 "back onto both feet", "stand still")
            if min(leg.toe[1], leg.heel[1]) < (GROUND_FLOOR if on_ground else CLEARANCE):
                raise ValueError("%s %s: kicking sole touches the ground" % (where, name))
            check_over_support("%s %s" % (where, name), st, leg)
            for ahead in SIDE_BALL_AHEAD:
                ball = (head + ahead, BALL_RADIUS)
                gap = ball_gap(leg, ball)
                if gap < best.get(ahead, (1.0, None))[0]:
                    best[ahead] = (gap, st, leg, p)
        for ahead, (gap, st, leg, p) in best.items():
            if gap > -BITE:
                raise ValueError("%s: the foot misses a ball %.2f m ahead by %.3f m" % (where, ahead, gap))
            check_aside(where, ahead, st, leg, p)


def check_aside(where, ahead, st, leg, p):
    """At the strike the width of the right foot covers the middle half of
    the ball, for a ball anywhere in the band to the side.  Lateral model:
    the support leg's ankle roll carries the hips to the left; the right leg,
    rolled -rlj2 from the upright torso, puts its foot that far out."""
    torso_left = (st.hip[1] - robot.ANKLE_HEIGHT) * math.sin(math.radians(p["llj6"]))
    drop = st.hip[1] - leg.ankle[1]
    foot = -HIP_HALF_WIDTH + torso_left - drop * math.sin(math.radians(-p["rlj2"]))
    for aside in SIDE_BALL_ASIDE:
        if abs(foot + aside) > FOOT_HALF_WIDTH + BALL_RADIUS / 2:
            raise ValueError("%s: the foot (at %.3f m) passes beside a ball %.2f m ahead, %.2f m to the side"
                             % (where, foot, ahead, aside))


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


for _kick in ("KickLeft45", "KickRight45", "KickLeft90", "KickRight90"):
    for _part in ("move", "hold"):
        motion(_kick + _part)(lambda: LegTokens([["0"] * 6 for _ in range(ANGLED_FRAMES)]))
