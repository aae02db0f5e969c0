#!/usr/bin/env python3
"""Trials of a single general kick: the kick is requested until its stop command shows in the tap log, then
the robot stands (act:42) for 3 s.  Places robot and ball like trials.py's kick kind and reuses it for the
tap, trainer and ground truth.  Per trial: ball travel and direction, and whether the robot fell during the
kick or within 2 s after it.

  one_kick_trials.py --program /work/srv/bin/motion-bench --log LOG --n N kick:TYPE:LEFTHOLD[:DX:DY] ...

DX, DY: the robot's torso is placed DX behind the ball and DY to its left (defaults 0.30 and +-0.05 on
the kicking foot's side)."""

import argparse
import json
import math
import os
import subprocess
import sys
import time

sys.path.insert(0, "/work/shared/tools")
import trials as T  # noqa: E402

STOP = "(lle1 0.000000)(rle1 0.000000)"


def sent_after(log, pos, w0, prefixes):
    """(wall of the first text the program sent after w0 that starts with one
    of prefixes, or None; the log's new read position)."""
    with open(log) as f:
        f.seek(pos)
        data = f.read()
        pos = f.tell()
    for ln in data.split("\n"):
        if '"p2s"' not in ln:
            continue
        try:
            r = json.loads(ln)
        except ValueError:
            continue
        if r.get("dir") == "p2s" and r["wall"] >= w0 and r.get("text", "").startswith(prefixes):
            return r["wall"], pos
    return None, pos


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
    a = ap.parse_args()
    wd = os.path.dirname(os.path.abspath(a.log))
    mode = os.path.join(wd, "mode")
    T.set_mode(mode, "act:42")
    tap = subprocess.Popen([sys.executable, os.path.join(T.HERE, "tap.py"), "--listen", str(a.listen), "--server",
                            "127.0.0.1:%d" % a.agent_port, "--log", a.log, "--quiet"])
    time.sleep(0.5)
    tr = T.Trainer(a.trainer_port)
    tr.send("(playMode BeforeKickOff)")
    time.sleep(0.2)
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
            parts = kind.split(":")
            ktype, left = parts[1], parts[2]
            dx = float(parts[3]) if len(parts) > 3 else 0.30
            dy = float(parts[4]) if len(parts) > 4 else (0.05 if left == "1" else -0.05)
            for i in range(a.n):
                T.set_mode(mode, "act:42")
                tr.send("(agent (unum 1)(team Left)(move %.3f %.3f 0.35 -90))" % (-dx, dy))
                tr.send("(ball (pos 0 0 0.042))")
                tr.send("(ball (vel 0 0 0))")  # a moved ball keeps its speed
                T.wait(truth, 2.5)
                w0 = time.time()
                T.set_mode(mode, "kick:%s:%s" % (ktype, left))
                stop = None
                while stop is None and time.time() - w0 < 4.0:
                    T.wait(truth, 0.02)
                    stop, pos = sent_after(a.log, pos, w0, STOP)
                T.set_mode(mode, "act:42")
                T.wait(truth, 3.0)
                runs.append((kind, i, w0, stop, time.time()))
    finally:
        T.set_mode(mode, "act:42")
        player.terminate()
        player.wait(5)
        tap.send_signal(2)
        tap.wait(10)
    values = {}
    for kind, i, w0, stop, w1 in runs:
        ss = [s for s in T.samples(a.log, w0, w1) if s[3]]
        b0, b1 = ss[0][3], ss[-1][3]
        d = math.hypot(b1[0] - b0[0], b1[1] - b0[1])
        deg = math.degrees(math.atan2(b1[1] - b0[1], b1[0] - b0[0])) if d > 0.05 else float("nan")
        fall = T.first_fall(ss)
        late = fall is not None and stop is not None and fall[0] > stop + 2.0
        state = "no stop seen" if stop is None else ("standing" if fall is None or late else "FELL")
        print("%-22s %d  ball moved %.2f m at %+.0f deg; %s 2 s after the kick" % (kind, i, d, deg, state))
        values.setdefault(kind, []).append((d, deg, state == "standing"))
    for kind, v in values.items():
        ds = sorted(x[0] for x in v)
        straight = sum(1 for x in v if abs(x[1]) <= 15)
        print("%-22s n=%d median %.3f min %.3f max %.3f m; within 15 deg %d, standing %d of %d"
              % (kind, len(v), ds[len(ds) // 2], ds[0], ds[-1], straight, sum(x[2] for x in v), len(v)))


if __name__ == "__main__":
    main()
