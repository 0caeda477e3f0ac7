#!/usr/bin/env python3
"""Where a window's resident memory goes, against the floor window: each program is started on
the display in $DISPLAY, left until its window is mapped and idle, and its /proc/PID/smaps summed
by what is mapped (a library, a font file, the heap, anonymous memory). Prints the kinds that
differ most, in KiB, medians of RUNS starts.
Usage: bench/startup/memory_by_mapping.py PROGRAM FLOOR [RUNS]"""
import collections
import os
import statistics
import subprocess
import sys
import time


def kind(name):
    if not name:
        return "anonymous"
    if name.startswith("["):
        return name
    base = os.path.basename(name)
    if base.startswith("libQt6"):
        return base.split(".so")[0]
    if base.endswith((".ttf", ".otf", ".pcf.gz")) or "fontconfig" in name:
        return "font files: " + base
    if ".so" in base:
        return base.split(".so")[0]
    return "the program" if os.access(name, os.X_OK) else base


def resident(pid):
    sums, current = collections.Counter(), None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            fields = line.split()
            if "-" in fields[0] and len(fields) >= 5:
                current = kind(" ".join(fields[5:]))
            elif fields[0] == "Rss:":
                sums[current] += int(fields[1])
    return sums


def measure(program):
    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(child.pid)],
                       check=True, stdout=subprocess.DEVNULL, timeout=20)
        time.sleep(1.0)  # painted and idle
        return resident(child.pid)
    finally:
        child.kill()
        child.wait()


def main():
    program, floor = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    samples = {program: [], floor: []}
    for _ in range(runs):
        for name in (program, floor):
            samples[name].append(measure(name))
    kinds = set().union(*(s.keys() for runs_ in samples.values() for s in runs_))

    def median(name, k):
        return statistics.median(s.get(k, 0) for s in samples[name])

    rows = [(k, median(program, k), median(floor, k)) for k in kinds]
    rows.sort(key=lambda r: -abs(r[1] - r[2]))
    total_p = statistics.median(sum(s.values()) for s in samples[program])
    total_f = statistics.median(sum(s.values()) for s in samples[floor])
    print(f"{'resident KiB, median of ' + str(runs):44} {'window':>8} {'floor':>8} {'more':>8}")
    print(f"{'all':44} {total_p:8.0f} {total_f:8.0f} {total_p - total_f:8.0f}")
    for k, p, f in rows[:14]:
        print(f"{k[:44]:44} {p:8.0f} {f:8.0f} {p - f:8.0f}")


if __name__ == "__main__":
    main()
