#!/usr/bin/env python3
"""motion-bench against a server in sync mode: the same trials as trials.py,
as fast as the physics runs, timed in cycles.

The driver sits between the program and the server's agent port.  It passes
each perception on (ground truth stripped, as tap.py does), waits for the
program's answer and sends it with "(syn)", so the server steps as soon as
the program has answered.  Before it passes a perception on it may rewrite
the mode file and send trainer commands, so every trial runs the same
cycles whatever the machine's load.

The server: ground truth on (../shared/server/README.md), and a copy of its
init scripts with `$agentSyncMode = true` (spark.rb, given with
--init-script-prefix) and `$enableRealTimeMode = false` (rcssserver3d.rb,
given with --script-path).  Connect soon after starting it: while no agent
is connected it runs its clock freely.

  fast_bench.py --program build/motion-bench --cwd . --agent-port 3150 --trainer-port 3250 \\
      --n 10 kick:0:1 "fall:(lle5 3)(rle5 3)"

Kinds: walk:TYPE:SPEED (the omnidirectional walk for 10 s), act:N (motion N
for 5 s), both measured like trials.py (speed over the second half, heading
change, falls); kick:TYPE:LEFTHOLD[:DX:DY] (one general kick; the torso DX
behind the ball and DY to its left, default 0.30 and 0.05 to the kicking
foot's side); kicks:... (the same, the kick requested for 4 s, so that it
kicks again and again, as trials.py's kick kind does); kickact:N[:DX:DY] (a
kick motion that runs to its end once started, e.g. 39 or 40, ball placed
the same way); walkkick:N:DX:DY (the same after walking forward at maxSpeed
0.5 until the ball is DX ahead); fall:RAW (pushed over by RAW for 1.5 s, then g+act:42);
dive:N (motion N, e.g. a dive, for 1.5 s, then g+act:42).
MOTION_BENCH_HEAD=ahead in the environment is passed on to the program.
"""

import argparse
import math
import os
import random
import re
import select
import socket
import struct
import subprocess
import tempfile
import threading

CYCLE = 0.02
FALL_Z, UP_Z = 0.33, 0.40
STOP_PREFIX = "(lle1 0.000000)(rle1 0.000000)"
GT = re.compile(rb"\((?:mypos|myorien|ballpos) [^()]*\)")
MYPOS = re.compile(rb"\(mypos ([-0-9.e]+) ([-0-9.e]+) ([-0-9.e]+)\)")
MYORIEN = re.compile(rb"\(myorien ([-0-9.e]+)\)")
BALLPOS = re.compile(rb"\(ballpos ([-0-9.e]+) ([-0-9.e]+) ([-0-9.e]+)\)")
NECK_YAW = re.compile(rb"\(HJ \(n hj1\) \(ax ([-0-9.e]+)\)\)")
ACC = re.compile(rb"\(ACC \(n torso\) \(a ([-0-9.e]+) ([-0-9.e]+) ([-0-9.e]+)\)\)")


# The first text of a side kick (its approach) and of an angled kick (a frame).
KICK_STARTS = (" (rae1 ", "(rle1 ", "(lle1 ")
# A walkkick trial starts this much further back and walks forward.
WALK_UP = 0.6
# The fall detector averages this many accelerometer readings.
MEAN_OF = 6


def down(accs):
    """The fall detector's accelerometer rule on its last six readings."""
    mx, my, mz = (sum(a[k] for a in accs) / len(accs) for k in range(3))
    return abs(mx) > 7.5 or abs(my) > 7.5 or mz < 7.5


class UpWatch:
    """Head heights after a fall, in time order: `up` is the time from which
    the head stays above UP_Z for `hold` seconds, `lowest` the lowest height
    in the `stay` seconds after that; feed() says when both are known."""

    def __init__(self, hold=0.5, stay=5.0):
        self.hold, self.stay = hold, stay
        self.up = self.lowest = self._from = None

    def feed(self, t, z):
        if self.up is None:
            if z <= UP_Z:
                self._from = None
            else:
                self._from = t if self._from is None else self._from
                if t - self._from >= self.hold:
                    self.up = self._from
            return False
        if t - self.up > self.stay + self.hold:
            return True
        self.lowest = z if self.lowest is None else min(self.lowest, z)
        return False

    def stayed(self):
        return self.lowest is not None and self.lowest > FALL_Z


def frame(data):
    return struct.pack("!I", len(data)) + data


def receive(sock, timeout=None):
    """One framed message, or None when nothing came within timeout."""
    if timeout is not None and not select.select([sock], [], [], timeout)[0]:
        return None
    head = _exact(sock, 4)
    return _exact(sock, struct.unpack("!I", head)[0])


def _exact(sock, n):
    data = b""
    while len(data) < n:
        part = sock.recv(n - len(data))
        if not part:
            raise ConnectionError("connection closed")
        data += part
    return data


def set_mode(path, mode):
    with open(path + ".tmp", "w") as f:
        f.write(mode + "\n")
    os.replace(path + ".tmp", path)


class Bench:
    """One motion-bench process on one sync-mode server."""
    def __init__(self, program, cwd, agent_port, trainer_port, env=None, seed=1, unum=1):
        # Each placement stands a random few cycles longer, so that trials
        # differ as they would in real time.
        self.rng = random.Random(seed)
        self.trainer = socket.create_connection(("127.0.0.1", trainer_port))
        threading.Thread(target=self._drain, daemon=True).start()
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(1)
        self.mode_file = tempfile.mktemp(prefix="fast_bench_mode_")
        set_mode(self.mode_file, "act:42")
        self.mode_now = "act:42"
        # What the program writes to its error stream (read nowhere, so not a pipe that could fill).
        self.errors = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(
            [os.path.abspath(program), "--unum", str(unum), "--port", str(listener.getsockname()[1])], cwd=cwd,
            env=dict(os.environ, **(env or {}), MOTION_MODE_FILE=self.mode_file),
            stdout=subprocess.DEVNULL, stderr=self.errors)
        listener.settimeout(10)
        self.player, _ = listener.accept()
        listener.close()
        self.server = socket.create_connection(("127.0.0.1", agent_port))
        for s in (self.player, self.server):
            s.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.server.sendall(frame(receive(self.player) + b"(syn)"))   # the scene
        self.cycle = 0
        self.me = self.ball = None
        self.yaw = self.neck = 0.0
        self.sent = ""
        self.accs = []
        self.starting, self.beamed = True, None

    def _drain(self):
        try:
            while self.trainer.recv(65536):
                pass
        except OSError:
            pass

    def train(self, command):
        self.trainer.sendall(frame(command.encode()))

    def mode(self, text):
        if text != self.mode_now:
            set_mode(self.mode_file, text)
            self.mode_now = text

    def step(self):
        """One cycle: perception to the program, its answer to the server."""
        msg = receive(self.server)
        for pattern, name in ((MYPOS, "me"), (BALLPOS, "ball")):
            m = pattern.search(msg)
            if m:
                setattr(self, name, tuple(float(v) for v in m.groups()))
        m = MYORIEN.search(msg)
        if m:
            self.yaw = float(m.group(1))
        m = NECK_YAW.search(msg)
        if m:
            self.neck = float(m.group(1))
        m = ACC.search(msg)
        if m:
            self.accs = (self.accs + [tuple(float(v) for v in m.groups())])[-MEAN_OF:]
        self.player.sendall(frame(GT.sub(b"", msg)))
        answer = receive(self.player, 0.005) if self.starting else receive(self.player, 30.0)
        if answer is None and not self.starting:
            raise ConnectionError("the program did not answer for 30 s")
        self.sent = answer.decode(errors="replace") if answer else ""
        self.server.sendall(frame((answer or b"") + b"(syn)"))
        self.cycle += 1
        if self.starting:
            self.settle_start()

    def settle_start(self):
        """Until it has beamed, the program stays silent in some cycles and
        the driver does not wait for it.  Some cycles after the beam, once
        every answer it still owes has come (and been dropped), each cycle
        waits for its answer."""
        if self.beamed is None and self.sent.startswith("(beam"):
            self.beamed = self.cycle
        if self.beamed is None or self.cycle < self.beamed + 20:
            return
        while receive(self.player, 0.3) is not None:
            pass
        self.starting = False

    def run(self, cycles):
        for _ in range(cycles):
            self.step()

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
        for s in (self.player, self.server, self.trainer):
            s.close()
        self.errors.close()
        os.unlink(self.mode_file)

    def ball_rel(self):
        """The ball in the torso's frame (x ahead, y left) from the head's
        ground truth (yaw 0 faces +x) less the neck's yaw."""
        a = math.radians(self.yaw - self.neck)
        dx, dy = self.ball[0] - self.me[0], self.ball[1] - self.me[1]
        return (dx * math.cos(a) + dy * math.sin(a), -dx * math.sin(a) + dy * math.cos(a))

    def low(self):
        return self.me is not None and self.me[2] < FALL_Z

    def start(self):
        """Connection, beam and the first stand, then play on."""
        self.train("(playMode BeforeKickOff)")
        self.run(150)
        if self.starting:
            raise ConnectionError("the program has not beamed")
        self.train("(playMode PlayOn)")
        self.run(20)

    def place(self, x, y, seconds=2.0):
        """The robot upright at (x, y) facing +x, standing for the given time."""
        self.mode("act:42")
        for _ in range(3):
            self.train("(agent (unum 1)(team Left)(move %.3f %.3f 0.35 -90))" % (x, y))
            self.run(int(seconds / CYCLE) + self.rng.randrange(25))
            if self.me and self.me[2] > UP_Z:
                return


class KickTrial:
    """The robot's torso DX behind the ball and DY to its left, the kick
    requested from the standing wait until it has run (general kick: its
    stop command; other kicks: the motion has started and the switch runs
    it to its end), then the standing wait while the ball rolls out."""

    def __init__(self, request, dx, dy, general, window=None, walk=False):
        self.request, self.dx, self.dy, self.general = request, dx, dy, general
        self.window = window     # seconds of requesting the kick again and again
        self.walk = walk         # walk up to the ball first, kick when it is dx ahead

    def run(self, b):
        b.train("(ball (pos 0 0 0.042))")
        b.place(-3.0 - self.dx - (WALK_UP if self.walk else 0.0), self.dy)
        b.train("(ball (pos -3 0 0.042))")
        b.train("(ball (vel 0 0 0))")
        b.run(15)
        if self.walk:
            b.mode("omni:1:0.5")
            for _ in range(500):
                if b.ball_rel()[0] <= self.dx:
                    break
                b.step()
        start = b.ball
        rel = b.ball_rel()
        b.mode(self.request)
        fell, cycles, started = False, 0, False
        while cycles < 400:
            b.step()
            cycles += 1
            fell = fell or b.low()
            # The side kicks' approach and the angled kicks' frames.
            started = started or b.sent.startswith(KICK_STARTS)
            if self.window is not None:
                if cycles >= int(self.window / CYCLE):
                    break
                continue
            if self.general and b.sent.startswith(STOP_PREFIX):
                break
            # The running motion may hold the switch for some cycles: request
            # the kick until it has started.
            if not self.general and (started or cycles == 100):
                b.mode("act:42")
            if not self.general and cycles > 100 and "(lle1" not in b.sent and "(rle1" not in b.sent:
                break
        b.mode("act:42")
        last, still = b.ball, 0
        for i in range(int(6.0 / CYCLE)):
            b.step()
            if i < int(2.0 / CYCLE):
                fell = fell or b.low()
                continue
            still = still + 1 if b.ball == last else 0
            last = b.ball
            if still > 15:
                break
        ex, ey = b.ball[0] - start[0], b.ball[1] - start[1]
        travel = math.hypot(ex, ey)
        bearing = math.degrees(math.atan2(ey, ex)) if travel > 0.05 else None
        return dict(value=travel, bearing=bearing, fell=fell, cycles=cycles, rel=rel, started=started,
                    text="ball %.2f m%s%s" % (travel, " at %+.0f deg" % bearing if bearing is not None else "",
                                              ", FELL" if fell else ""))


class MoveTrial:
    """A walk or motion request for a while from the standing wait: speed over
    the second half, heading change (ground-truth yaw, unwrapped) and falls."""

    def __init__(self, request, seconds):
        self.request, self.seconds = request, seconds

    def run(self, b):
        b.train("(ball (pos 0 9 0.042))")
        b.place(-6.0, 0.0)
        b.mode(self.request)
        track, fell = [], False
        for _ in range(int(self.seconds / CYCLE)):
            b.step()
            track.append((b.me, b.yaw))
            fell = fell or b.low()
        b.mode("act:42")
        b.run(int(2.0 / CYCLE))
        fell = fell or b.low()
        half = track[len(track) // 2:]
        (x0, y0, _), (x1, y1, _) = half[0][0], half[-1][0]
        speed = math.hypot(x1 - x0, y1 - y0) / (len(half) * CYCLE)
        turn = 0.0
        for (_, a), (_, b_) in zip(track, track[1:]):
            turn += (b_ - a + 180) % 360 - 180
        rate = turn / self.seconds
        return dict(value=speed if self.request.startswith("omni") else abs(rate), speed=speed, turn=turn,
                    fell=fell, text="%.3f m/s over the 2nd half, heading %+.0f deg (%+.1f deg/s)%s"
                    % (speed, turn, rate, ", FELL" if fell else ""))


class FallTrial:
    """Pushed over by a request (raw joint speeds or a dive) for 1.5 s from
    the standing wait, then g+act:42: the time from the first cycle the fall
    detector's accelerometer rule says down to the start of 0.5 s with the
    head above 0.40 m, and whether the head stays above 0.33 m for the 5 s
    after."""

    def __init__(self, push):
        self.push = push

    def run(self, b):
        b.place(-3.0, 0.0)
        b.mode(self.push)
        b.run(int(1.5 / CYCLE))
        b.mode("g+act:42")
        lying, watch, cycles = None, UpWatch(), 0
        while cycles < int(15.0 / CYCLE):
            b.step()
            cycles += 1
            if lying is None:
                if down(b.accs):
                    lying = cycles
            elif watch.feed(cycles * CYCLE, b.me[2]):
                break
        t = None if watch.up is None or lying is None else watch.up - lying * CYCLE
        stayed = t is not None and watch.stayed()
        return dict(value=t if t is not None else float("inf"), stayed=stayed, fell=not stayed,
                    text=("up %.2f s after lying still%s" % (t, "" if stayed else ", FELL AGAIN"))
                    if t is not None else "NOT UP")


def trial_of(kind):
    parts = kind.split(":")
    if parts[0] in ("kick", "kicks"):
        left = parts[2] == "1"
        dx = float(parts[3]) if len(parts) > 3 else 0.30
        dy = float(parts[4]) if len(parts) > 4 else (0.05 if left else -0.05)
        return KickTrial("kick:%s:%s" % (parts[1], parts[2]), dx, dy, general=True,
                         window=4.0 if parts[0] == "kicks" else None)
    if parts[0] == "walk":
        return MoveTrial("omni:%s:%s" % (parts[1], parts[2]), 10.0)
    if parts[0] == "act":
        return MoveTrial(kind, 5.0)
    if parts[0] in ("kickact", "walkkick"):
        dx = float(parts[2]) if len(parts) > 2 else 0.25
        dy = float(parts[3]) if len(parts) > 3 else 0.0
        return KickTrial("act:" + parts[1], dx, dy, general=False, walk=parts[0] == "walkkick")
    if parts[0] == "fall":
        return FallTrial("raw:" + kind[5:])
    if parts[0] == "dive":
        return FallTrial("act:" + parts[1])
    raise SystemExit("unknown kind " + kind)


def run_kinds(b, kinds, n, out=print):
    summary = {}
    for kind in kinds:
        trial = trial_of(kind)
        for i in range(n):
            r = trial.run(b)
            summary.setdefault(kind, []).append(r)
            out("%-30s %2d  %s" % (kind[:30], i, r["text"]))
    return summary


def bench_arguments(ap, n):
    """The options of a driver that runs one program against one sync-mode server."""
    ap.add_argument("--program", required=True)
    ap.add_argument("--cwd", default=".")
    ap.add_argument("--n", type=int, default=n)
    ap.add_argument("--agent-port", type=int, default=3150)
    ap.add_argument("--trainer-port", type=int, default=3250)
    ap.add_argument("--seed", type=int, default=1)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("kinds", nargs="+")
    bench_arguments(ap, n=5)
    a = ap.parse_args()
    head = {"MOTION_BENCH_HEAD": os.environ["MOTION_BENCH_HEAD"]} if "MOTION_BENCH_HEAD" in os.environ else None
    b = Bench(a.program, a.cwd, a.agent_port, a.trainer_port, env=head, seed=a.seed)
    try:
        b.start()
        summary = run_kinds(b, a.kinds, a.n, out=lambda s: print(s, flush=True))
    finally:
        b.close()
    print()
    for kind, rs in summary.items():
        v = sorted(r["value"] for r in rs)
        print("%-30s n=%d median %.3f min %.3f max %.3f  fell %d" % (
            kind[:30], len(v), v[len(v) // 2], v[0], v[-1], sum(r["fell"] for r in rs)))


if __name__ == "__main__":
    main()
