"""Per kick trial in a trials.py tap log: which kick of the repeated ones launched the ball (its fastest move), where the
ball lay then (ahead of / beside the torso, robot frame), the ball's launch speed and height, and its
travel.  Kicks are counted by their stop commands.  Usage: kick_launch.py LOG"""
import json
import math
import sys

STOP = "(lle1 0.000000)(rle1 0.000000)"
rows = [json.loads(line) for line in open(sys.argv[1])]
stops = [r["now"] for r in rows if r.get("dir") == "p2s" and r.get("now") and r.get("text", "").startswith(STOP)]
gt = [(r["now"], r["gt"]["ballpos"], r["gt"]["mypos"], r["gt"]["myorien"]) for r in rows
      if r.get("dir") == "s2p" and r.get("gt", {}).get("ballpos") and r.get("now")]
# Trials: the trainer puts the robot back at its place and the ball at the origin before each one.
def at_origin(b):
    return math.hypot(b[0], b[1]) < 0.005


marks = [t for (t, b, me, _), (_, pb, pme, _) in zip(gt[1:], gt)
         if at_origin(b) and (not at_origin(pb) or math.hypot(me[0] - pme[0], me[1] - pme[1]) > 0.15)]
starts = [t for i, t in enumerate(marks) if i + 1 == len(marks) or marks[i + 1] - t > 1.0]
n = 0
for k, t0 in enumerate(starts):
    t1 = starts[k + 1] if k + 1 < len(starts) else 1e9
    seg = [g for g in gt if t0 <= g[0] < t1]
    kicks = [s for s in stops if t0 <= s < t1]
    if not kicks:
        continue
    n += 1
    v = [math.hypot(seg[i][1][0] - seg[i - 1][1][0], seg[i][1][1] - seg[i - 1][1][1]) /
         (seg[i][0] - seg[i - 1][0]) for i in range(1, len(seg))]
    if not v or max(v) < 0.2:
        print("trial %d: ball never moved" % n)
        continue
    moved = v.index(max(v)) + 1
    while moved > 1 and v[moved - 2] > 0.3 * max(v):
        moved -= 1
    t, b, me, yaw = seg[moved - 1]
    a = math.radians(yaw)
    dx, dy = b[0] - me[0], b[1] - me[1]
    ahead, left = dx * math.cos(a) + dy * math.sin(a), -dx * math.sin(a) + dy * math.cos(a)
    nth = sum(1 for s in kicks if s < seg[moved][0]) + 1
    speeds = [math.hypot(seg[i + 1][1][0] - seg[i][1][0], seg[i + 1][1][1] - seg[i][1][1]) /
              (seg[i + 1][0] - seg[i][0]) for i in range(moved - 1, min(moved + 5, len(seg) - 1))]
    top = max(g[1][2] for g in seg[moved:moved + 25])
    end = seg[-1][1]
    d = math.hypot(end[0] - seg[0][1][0], end[1] - seg[0][1][1])
    print("trial %d: kick %d moved it (ball %.2f ahead %+.2f left of the torso), launch %.2f m/s, top %.2f m,"
          " travel %.2f m" % (n, nth, ahead, left, max(speeds), top, d))
