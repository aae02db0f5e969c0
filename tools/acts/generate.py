#!/usr/bin/env python3
"""Writes every motion file under Acts/ from motions.py and kicks.py.

  python3 tools/acts/generate.py          write the files
  python3 tools/acts/generate.py --check  only compare, exit 1 on a difference

Each motion is checked first (joint ranges, motor speeds, format limits);
nothing is written if one fails.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import getup_back  # noqa: E402,F401  (registers GetUpBack)
import getup_front  # noqa: E402,F401  (registers GetUpFront)
import kicks  # noqa: E402,F401  (registers the kick files)
import motions  # noqa: E402

ACTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Acts")


def build_all():
    files = {}
    for name, build in motions.MOTIONS.items():
        data = build()
        data.check(name)
        files[name + ".txt"] = data.text()
    return files


def main(argv):
    files = build_all()
    if "--check" in argv:
        stale = [f for f, text in files.items()
                 if not os.path.exists(os.path.join(ACTS, f))
                 or open(os.path.join(ACTS, f)).read() != text]
        for f in stale:
            print("out of date: Acts/" + f)
        return 1 if stale else 0
    os.makedirs(ACTS, exist_ok=True)
    for f, text in files.items():
        with open(os.path.join(ACTS, f), "w") as out:
            out.write(text)
    print("wrote %d files to Acts/" % len(files))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
