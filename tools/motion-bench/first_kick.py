"""Per kick trial in a trials.py tap log: the end of the first kick (its stop command) and whether the
robot fell within 2 s after it.  Usage: first_kick.py LOG"""
import json, sys
STOP = "(lle1 0.000000)(rle1 0.000000)"
rows = [json.loads(l) for l in open(sys.argv[1])]
trials = []  # (t_stop)
prev_stop = -99
in_kick = False
for r in rows:
    if r.get("dir") == "p2s" and "text" in r and r.get("now") is not None:
        t = r["text"]
        if t.startswith(STOP):
            if r["now"] - prev_stop > 6.0:
                trials.append(r["now"])
            prev_stop = r["now"]
gt = [(r["now"], r["gt"]["mypos"][2]) for r in rows if r.get("dir") == "s2p" and r.get("gt", {}).get("mypos")]
stood = 0
for ts in trials:
    fell = any(ts <= t <= ts + 2.0 and z < 0.33 for t, z in gt)
    stood += not fell
    print("first kick ends at %.2f: %s within 2 s" % (ts, "FELL" if fell else "standing"))
print("standing 2 s after the first kick: %d of %d" % (stood, len(trials)))
