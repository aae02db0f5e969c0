#!/usr/bin/env python3
"""Trials of a kick motion requested as `act:N` with the ball placed next to the robot (trials.py
puts it far away for act kinds).  Reuses trials.py for the tap, trainer, modes and ground truth.
The kick is requested until it has started (a side kick's approach or an angled kick's first frame
shows in the tap log, at most 4 s), then the robot stands (act:42) for --after seconds; a fall in
that time counts.

  act_kick_trials.py --program build/motion-bench --log LOG --n N act:N:DX:DY ...

DX, DY: ball offset from the robot's torso (robot at (-6, 0) facing +x)."""

import argparse
import math
import os
import subprocess
import sys
import time

sys.path.insert(0, "/work/shared/tools")
import trials as T  # noqa: E402
from fast_bench import KICK_STARTS  # noqa: E402
from one_kick_trials import sent_after  # noqa: E402


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("kinds", nargs="+")
    ap.add_argument("--program", required=True)
    ap.add_argument("--cwd", default=".")
    ap.add_argument("--log", required=True)
    ap.add_argument("--n", type=int, default=3)
    ap.add_argument("--agent-port", type=int, default=3100)
    ap.add_argument("--trainer-port", type=int, default=3200)
    ap.add_argument("--listen", type=int, default=3101)
    ap.add_argument("--after", type=float, default=6.0)
    a = ap.parse_args()
    wd = os.path.dirname(os.path.abspath(a.log))
    mode = os.path.join(wd, "mode")
    T.set_mode(mode, "act:42")
    tap = subprocess.Popen([sys.executable, os.path.join(T.HERE, "tap.py"), "--listen", str(a.listen), "--server",
                            "127.0.0.1:%d" % a.agent_port, "--log", a.log, "--quiet"])
    time.sleep(0.5)
    tr = T.Trainer(a.trainer_port)
    tr.send("(playMode BeforeKickOff)")
    env = dict(os.environ, MOTION_MODE_FILE=mode)
    player = subprocess.Popen([os.path.abspath(a.program), "--unum", "1", "--port", str(a.listen)], cwd=a.cwd,
                              env=env, stdout=open(os.path.join(wd, "player.log"), "w"), stderr=subprocess.STDOUT)
    truth = T.Truth(a.log)
    runs = []
    pos = 0
    try:
        T.wait(truth, 3.0)
        tr.send("(playMode PlayOn)")
        T.wait(truth, 1.0)
        for kind in a.kinds:
            _, n, dx, dy = kind.split(":")
            for i in range(a.n):
                T.set_mode(mode, "act:42")
                tr.send("(agent (unum 1)(team Left)(move -6 0 0.35 -90))")
                tr.send("(ball (pos %g %g 0.042))" % (-6 + float(dx), float(dy)))
                tr.send("(ball (vel 0 0 0))")  # a moved ball keeps its speed
                T.wait(truth, 2.5)
                w0 = time.time()
                T.set_mode(mode, "act:" + n)
                started = None
                while started is None and time.time() - w0 < 4.0:
                    T.wait(truth, 0.02)
                    started, pos = sent_after(a.log, pos, w0, KICK_STARTS)
                T.set_mode(mode, "act:42")
                T.wait(truth, a.after)
                runs.append((kind, i, w0, time.time()))
    finally:
        T.set_mode(mode, "act:42")
        player.terminate(); player.wait(5)
        tap.send_signal(2); tap.wait(10)
    values = {}
    for kind, i, w0, w1 in runs:
        ss = [s for s in T.samples(a.log, w0, w1) if s[3]]
        b0, b1 = ss[0][3], ss[-1][3]
        d = math.hypot(b1[0] - b0[0], b1[1] - b0[1])
        deg = math.degrees(math.atan2(b1[1] - b0[1], b1[0] - b0[0])) if d > 0.05 else float("nan")
        fell = T.first_fall(ss)
        print("%-20s %d  ball moved %.2f m at %+.0f deg%s" % (kind, i, d, deg, "; FELL" if fell else ""))
        values.setdefault(kind, []).append((d, deg, not fell))
    for kind, v in values.items():
        ds = sorted(x[0] for x in v)
        straight = sum(1 for x in v if abs(x[1]) <= 20)
        print("%-20s n=%d median %.3f min %.3f max %.3f m; within 20 deg %d, standing %d of %d"
              % (kind, len(v), ds[len(ds) // 2], ds[0], ds[-1], straight, sum(x[2] for x in v), len(v)))


if __name__ == "__main__":
    main()
