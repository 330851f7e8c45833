#!/usr/bin/python3
"""What a screen reader costs the main window at a million plates.

    screen_reader_bench.py MAIN_WINDOW_BENCH [LINES] [RUNS]

Runs main_window_bench's work (File > Open of a LINES-line plate list, both grids
full, then Save as, a sort and Calcs) on an X server of its own with a private
session bus and the accessibility bus, in turns: with no screen reader, and with
one attached, the bus told that it listens and a listener reading every event's
object over the bus as a screen reader does. Prints each figure's minimum and
median of RUNS (3) runs both ways; File > Open and the resident memory may cost
at most 10% more with the screen reader, medians compared. Exits non-zero when
either budget is missed."""

import os
import statistics
import subprocess
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "a11y"))

from desktop import Desktop  # noqa: E402

BUDGET = 1.10  # with a screen reader at most 10% more than without
BUDGETED = {"open": "File > Open, both grids full", "memory": "Resident memory, both grids full"}
EVENTS = ("focus:", "window:", "object:state-changed", "object:property-change", "object:children-changed",
          "object:text-changed", "object:active-descendant-changed", "object:selection-changed")


def write_plates(name, lines):
    """Plates of the shapes operators load: letters, digits, spaces, some comments."""
    with open(name, "w", newline="") as f:
        for i in range(lines):
            f.write("%c%c %d %c%c%s\r\n" % (65 + i % 26, 65 + i // 26 % 26, i % 100000, 97 + i // 7 % 26,
                                             97 + i // 11 % 26, " ;x" if i % 50 == 0 else ""))


def run_once(d, bench, lines, plates, screen_reader):
    """One run of the window's work in a fresh process: {figure: (wall, cpu)}."""
    env = dict(d.env, QT_QPA_PLATFORM="xcb")
    env.pop("CORVANA_BENCH_SCREEN_READER", None)
    if screen_reader:
        env["CORVANA_BENCH_SCREEN_READER"] = "1"
    d.screen_reader(screen_reader)
    d.take_events()
    child = subprocess.Popen([bench, str(lines), "1", "--run", plates], cwd=d.work, env=env,
                             stdout=subprocess.PIPE, text=True)
    while child.poll() is None:
        d.pump(0.2)  # the listener answers events while the window works
    out = child.stdout.read()
    if child.returncode != 0:
        raise AssertionError("the run %s a screen reader failed (%d)" % ("with" if screen_reader else "without",
                                                                          child.returncode))
    figures = {}
    for line in out.splitlines():
        fields = line.split()
        if len(fields) == 4 and fields[0] == "FIGURE":
            figures[fields[1]] = (float(fields[2]), float(fields[3]))
    return figures, len(d.take_events())


def main():
    bench = os.path.abspath(sys.argv[1])
    lines = int(sys.argv[2]) if len(sys.argv) > 2 else 1000000
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    d = Desktop(bench)
    try:
        d.listen(*EVENTS)
        plates = os.path.join(d.work, "plates.txt")
        write_plates(plates, lines)
        results = {False: [], True: []}
        events = 0
        for run in range(runs):
            # In turns, each going first as often, so that a busy moment hits both.
            for screen_reader in ((False, True) if run % 2 == 0 else (True, False)):
                figures, told = run_once(d, bench, lines, plates, screen_reader)
                results[screen_reader].append(figures)
                events += told if screen_reader else 0
    finally:
        d.close()

    def figures(screen_reader, key, which):
        values = [run[key][which] for run in results[screen_reader]]
        return min(values), statistics.median(values)

    print("main window, %d plates, %d runs each way (minimum / median); %d events read by the screen reader"
          % (lines, runs, events))
    print("%-34s %17s %17s %17s %17s %7s" % ("", "wall without", "wall with", "CPU without", "CPU with", ""))
    ok = True
    for key in results[False][0]:
        without, with_ = figures(False, key, 0), figures(True, key, 0)
        verdict = ""
        if key in BUDGETED:
            met = with_[1] <= without[1] * BUDGET
            ok &= met
            verdict = "ok" if met else "MISSED"
        print("%-34s %17s %17s %17s %17s %+6.1f%% %s" % (
            BUDGETED.get(key, key), "%.3f / %.3f" % without, "%.3f / %.3f" % with_,
            "%.3f / %.3f" % figures(False, key, 1), "%.3f / %.3f" % figures(True, key, 1),
            (with_[1] / without[1] - 1) * 100 if without[1] else 0, verdict))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
