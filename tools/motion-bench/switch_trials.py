#!/usr/bin/env python3
"""Starting, stopping and switching the omnidirectional walk: a random sequence of requests
(omni:TYPE:SPEED for forward, backward, left, right, the two turns, and the standing wait), each
held --hold seconds, with the robot never re-placed in between.  Counts switches and falls (head
below 0.33 m); after a fall the robot is placed upright again and the sequence goes on.  Reuses
trials.py for the tap, trainer, modes and ground truth.

  switch_trials.py --program build/motion-bench --log LOG --switches 20"""

import argparse
import os
import random
import subprocess
import sys
import time

sys.path.insert(0, "/work/shared/tools")
import trials as T  # noqa: E402

REQUESTS = ["omni:1:1.0", "omni:2:1.0", "omni:6:1.0", "omni:7:1.0", "omni:4:1.0", "omni:5:1.0", "act:42"]


def place(tr, truth):
    for _ in range(3):
        tr.send("(agent (unum 1)(team Left)(move -6 0 0.35 -90))")
        T.wait(truth, 2.0)
        if truth.me and truth.me[2] > T.UP_Z:
            return


def run_switches(a, tr, truth, mode):
    rnd = random.Random(a.seed)
    current, falls, lines = "act:42", 0, []
    place(tr, truth)
    for i in range(a.switches):
        nxt = rnd.choice([r for r in REQUESTS if r != current])
        T.set_mode(mode, nxt)
        w0 = time.time()
        T.wait(truth, a.hold)
        fell = T.first_fall(T.samples(a.log, w0, time.time()))
        lines.append("%2d %-11s -> %-11s %s" % (i + 1, current, nxt, "FELL" if fell else "up"))
        current = nxt
        if fell:
            falls += 1
            T.set_mode(mode, "act:42")
            current = "act:42"
            T.wait(truth, 1.0)
            place(tr, truth)
    return falls, lines


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--program", required=True)
    ap.add_argument("--cwd", default=".")
    ap.add_argument("--log", required=True)
    ap.add_argument("--switches", type=int, default=20)
    ap.add_argument("--hold", type=float, default=2.0)
    ap.add_argument("--seed", type=int, default=1)
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
        falls, lines = run_switches(a, tr, truth, mode)
    finally:
        T.set_mode(mode, "act:42")
        player.terminate()
        player.wait(5)
        tap.send_signal(2)
        tap.wait(10)
    print("\n".join(lines))
    print("switches %d, falls %d (hold %.1f s, seed %d)" % (a.switches, falls, a.hold, a.seed))


if __name__ == "__main__":
    main()
