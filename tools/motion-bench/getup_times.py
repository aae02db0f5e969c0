#!/usr/bin/env python3
"""Get-up times from a tap log of fall trials (trials.py fall:RAW): for each
push (a run of cycles in which the player sent exactly RAW), the get-up is
taken to start in the first cycle after the push in which the fall detector's
accelerometer rule says down (mean of the last six readings: |x| or |y| above
7.5, or z below 7.5); the robot counts as standing from the first ground-truth
head height above 0.40 m that holds for 0.5 s.  Prints, per trial, the time
from lying still to standing and whether the head stayed above 0.33 m for the
5 s after, then the median, minimum and maximum.

  getup_times.py LOG --raw "(lle5 3)(rle5 3)" [--limit 6]"""

import argparse
import json

from fast_bench import MEAN_OF, UpWatch, down


def records(path):
    with open(path) as f:
        for line in f:
            try:
                yield json.loads(line)
            except ValueError:
                continue


def pushes(recs, raw):
    """(start time of each push, index of the record after it)."""
    out, start = [], None
    for i, r in enumerate(recs):
        if r.get("dir") != "p2s" or r.get("now") is None:
            continue
        if r.get("text") == raw:
            start = r["now"] if start is None else start
        elif start is not None:
            out.append((start, i))
            start = None
    return out


def readings_before(recs, index):
    """The last accelerometer readings before index, oldest first."""
    accs = []
    for r in reversed(recs[:index]):
        if r.get("dir") == "s2p" and r.get("acc"):
            accs.insert(0, r["acc"])
            if len(accs) == MEAN_OF:
                break
    return accs


def one_trial(recs, start_index, until):
    """(seconds from lying still to standing or None, the UpWatch)."""
    accs, lying, watch = readings_before(recs, start_index), None, UpWatch()
    for r in recs[start_index:]:
        if r.get("dir") != "s2p" or r.get("now") is None:
            continue
        now = r["now"]
        if until is not None and now >= until:
            break
        if r.get("acc"):
            accs = (accs + [r["acc"]])[-MEAN_OF:]
        if lying is None:
            if len(accs) == MEAN_OF and down(accs):
                lying = now
            continue
        z = (r.get("gt") or {}).get("mypos", [0, 0, None])[2]
        if z is not None and watch.feed(now, z):
            break
    return (None if watch.up is None or lying is None else watch.up - lying), watch


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("log")
    ap.add_argument("--raw", required=True, help="the push's joint text, as sent")
    ap.add_argument("--limit", type=float, default=6.0, help="seconds from lying still")
    a = ap.parse_args()
    recs = list(records(a.log))
    found = pushes(recs, a.raw)
    times, within, stayed = [], 0, 0
    for k, (_, index) in enumerate(found):
        # the next trial's placement comes 2.5 s before its push
        until = found[k + 1][0] - 2.6 if k + 1 < len(found) else None
        t, watch = one_trial(recs, index, until)
        ok = t is not None and t <= a.limit
        kept = ok and watch.stayed()
        within += ok
        stayed += kept
        times.append(t if t is not None else float("inf"))
        print("trial %2d: %s%s" % (k, "up %.2f s after lying still" % t if t is not None else "NOT UP",
                                   "" if t is None else ("; stayed up 5 s" if kept else "; FELL AGAIN")))
    if times:
        s = sorted(times)
        print("n=%d  up within %.0f s: %d  staying up: %d  median %.2f min %.2f max %.2f s"
              % (len(s), a.limit, within, stayed, s[len(s) // 2], s[0], s[-1]))


if __name__ == "__main__":
    main()
