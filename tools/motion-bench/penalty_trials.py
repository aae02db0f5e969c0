#!/usr/bin/env python3
"""The penalty taker as it plays, in a sync-mode server (set up as for
fast_bench.py), measured by ground truth.

  penalty_trials.py --program build/rovan-penalty --cwd . --agent-port 3150 \\
      --trainer-port 3250 --n 20 kick walk

Kinds:
  kick  the ball near the opponent goal (x 10.7..11.3, y -0.5..0.5), the robot
        0.6-0.9 m behind it facing +x: the program walks up and kicks.  Per
        trial: where the ball lay in the torso's frame at the first kick
        frame, the ball's travel and bearing 2.6 s after it, and whether the
        robot fell after the kick (or on the way, before it).
  walk  the ball at (8.5, y), the robot at (1.5, y +- 1.5) facing +x: the
        program walks to the ball.  Falls from 2 s after the placement to 14 s.
"""

import argparse
import math
import random

from fast_bench import CYCLE, Bench, bench_arguments

UNUM = 9
# A kick frame: the general kick's leg speeds after its all-joints stop text.
KICK_FRAME = ("(rae4 0)(lle1 ", "(rae4 0)(rle1 ")
KICK_LIMIT = 9.0
AFTER_KICK = 2.6
WALK_SECONDS, WALK_SETTLE = 14.0, 2.0


def place(b, ball, robot, facing):
    b.train("(playMode PlayOn)")
    b.train("(ball (pos %.3f %.3f 0.042)(vel 0 0 0))" % ball)
    b.train("(agent (unum %d)(team Left)(move %.3f %.3f 0.35 %.1f))" % ((UNUM,) + robot + (facing,)))
    b.run(5)
    # The robot lands on the ball's old place in some placements.
    b.train("(ball (pos %.3f %.3f 0.042)(vel 0 0 0))" % ball)


def kick_trial(b, rng):
    bx, by = 11.0 + rng.uniform(-0.3, 0.3), rng.uniform(-0.5, 0.5)
    place(b, (bx, by), (bx - rng.uniform(0.6, 0.9), by + rng.uniform(-0.08, 0.08)), -90.0)
    first = start = rel = None
    fell_before = fell_after = False
    cycles = 0
    while cycles < int(KICK_LIMIT / CYCLE) if first is None else cycles < first + int(AFTER_KICK / CYCLE):
        b.step()
        cycles += 1
        if first is None and any(m in b.sent for m in KICK_FRAME):
            first, start, rel = cycles, b.ball, b.ball_rel()
        if b.low():
            fell_before = fell_before or first is None
            fell_after = fell_after or first is not None
    if first is None:
        return dict(kicked=False, travel=0.0, bearing=None, fell=fell_before, fell_before=fell_before,
                    text="no kick within %.0f s%s" % (KICK_LIMIT, ", FELL" if fell_before else ""))
    ex, ey = b.ball[0] - start[0], b.ball[1] - start[1]
    travel = math.hypot(ex, ey)
    bearing = math.degrees(math.atan2(ey, ex)) if travel > 0.3 else None
    return dict(kicked=True, travel=travel, bearing=bearing, fell=fell_after, fell_before=fell_before, rel=rel,
                text="ball at (%.3f, %+.3f) in the torso's frame: %.2f m%s%s%s" % (
                    rel[0], rel[1], travel, " at %+.0f deg" % bearing if bearing is not None else "",
                    ", FELL after" if fell_after else "", ", fell before" if fell_before else ""))


def walk_trial(b, rng):
    by = rng.uniform(-1.0, 1.0)
    place(b, (8.5, by), (1.5, by + rng.uniform(-1.5, 1.5)), -90.0)
    falls, low, start = 0, False, None
    for c in range(int(WALK_SECONDS / CYCLE)):
        b.step()
        if c == int(WALK_SETTLE / CYCLE):
            start = b.me
        if c >= int(WALK_SETTLE / CYCLE) and b.low() and not low:
            falls += 1
        low = b.low()
    walked = math.hypot(b.me[0] - start[0], b.me[1] - start[1])
    return dict(falls=falls, walked=walked, text="%d falls, %.2f m walked" % (falls, walked))


def summary(kind, rs):
    if kind == "kick":
        kicked = [r for r in rs if r["kicked"]]
        travel = sorted(r["travel"] for r in kicked) or [0.0]
        good = [r for r in kicked if r["travel"] >= 2.5]
        straight = [r for r in good if abs(r["bearing"]) <= 15]
        return ("kick n=%d: kicked %d, ball over 2.5 m %d (within 15 deg %d), median %.2f m; fell after the kick %d,"
                " before it %d" % (len(rs), len(kicked), len(good), len(straight), travel[len(travel) // 2],
                                   sum(r["fell"] for r in kicked), sum(r["fell_before"] for r in rs)))
    return "walk n=%d: %d falls, %d trials with a fall" % (
        len(rs), sum(r["falls"] for r in rs), sum(1 for r in rs if r["falls"]))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("kinds", nargs="+", choices=("kick", "walk"))
    bench_arguments(ap, n=10)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    b = Bench(a.program, a.cwd, a.agent_port, a.trainer_port, seed=a.seed, unum=UNUM)
    results = {}
    try:
        b.start()
        for kind in a.kinds:
            trial = kick_trial if kind == "kick" else walk_trial
            for i in range(a.n):
                r = trial(b, rng)
                results.setdefault(kind, []).append(r)
                print("%-5s %2d  %s" % (kind, i, r["text"]), flush=True)
    finally:
        b.close()
    print()
    for kind, rs in results.items():
        print(summary(kind, rs))


if __name__ == "__main__":
    main()
