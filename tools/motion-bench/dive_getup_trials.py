#!/usr/bin/env python3
"""Trials of a dive (or any motion requested as `act:N`) followed by the get-up: the motion runs for
--dive-s seconds from the standing wait, then `g+act:42` (the get-up while the fall detector says
down, else the standing wait).  Reuses trials.py for the tap, trainer, modes and ground truth, and
reports like its fall kind: seconds from the first low head sample to standing (inf: never).

  dive_getup_trials.py --program build/motion-bench --log LOG --n N act:1 act:3 ..."""

import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, "/work/shared/tools")
import trials as T  # noqa: E402


def run_trials(a, tr, truth, mode):
    runs = []
    for kind in a.kinds:
        for i in range(a.n):
            T.set_mode(mode, "act:42")
            T.wait(truth, 1.0)
            for _ in range(3):
                tr.send("(agent (unum 1)(team Left)(move -6 0 0.35 -90))")
                T.wait(truth, 2.5)
                if truth.me and truth.me[2] > T.UP_Z:
                    break
            w0 = time.time()
            T.set_mode(mode, kind)
            T.wait(truth, a.dive_s)
            w1 = time.time()
            T.set_mode(mode, "g+act:42")
            T.wait(truth, a.after_s)
            runs.append(dict(kind="fall:" + kind, label=i, mode=kind, w0=w0, w1=w1, w2=time.time()))
    return runs


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("kinds", nargs="+")
    ap.add_argument("--program", required=True)
    ap.add_argument("--cwd", default=".")
    ap.add_argument("--log", required=True)
    ap.add_argument("--n", type=int, default=3)
    ap.add_argument("--dive-s", type=float, default=1.5)
    ap.add_argument("--after-s", type=float, default=12.0)
    ap.add_argument("--agent-port", type=int, default=3100)
    ap.add_argument("--trainer-port", type=int, default=3200)
    ap.add_argument("--listen", type=int, default=3101)
    a = ap.parse_args()
    wd = os.path.dirname(os.path.abspath(a.log))
    os.makedirs(wd, exist_ok=True)
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
    try:
        T.wait(truth, 3.0)
        tr.send("(playMode PlayOn)")
        T.wait(truth, 1.0)
        runs = run_trials(a, tr, truth, mode)
    finally:
        T.set_mode(mode, "act:42")
        player.terminate()
        player.wait(5)
        tap.send_signal(2)
        tap.wait(10)
    values = {}
    for r in runs:
        m = T.measure(a.log, r)
        print("%-10s %d  %s" % (r["mode"], r["label"], m["text"]))
        if m["value"] is not None:
            values.setdefault(r["mode"], []).append(m["value"])
    for kind, v in values.items():
        v = sorted(v)
        print("%-10s n=%d median %.3f min %.3f max %.3f  (s to stand up (inf: never))" % (
            kind, len(v), v[len(v) // 2], v[0], v[-1]))


if __name__ == "__main__":
    main()
