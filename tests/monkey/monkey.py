#!/usr/bin/python3
"""Random use of the real corvana window, seeded and reproducible.

    monkey.py run [--seeds N] [--first-seed S] [--seconds T | --events N] [--jobs J]
    monkey.py replay SCRIPT...
    monkey.py shrink SCRIPT [--minutes M]

`run` starts the program (by default the ASan+UBSan build) in a throwaway place
on its own X server, sends random keys, typing, clicks, drags and wheel turns
over whatever windows it shows, and writes every event to an event script. Even
seeds start with an empty clipboard, odd ones with text on it. A run fails when
the program ends (other than by its own Exit), a sanitizer reports anything (a
leak at the end included), the program does not answer a probe within 10 s, or
it keeps working after input stopped. `replay` sends scripts again and fails as
they fail; `shrink` replays a failing script with fewer and fewer events until
only those the failure needs are left.
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from events import (Event, RandomUser, SPECIAL_CHARACTERS, clipboard_text, format_event,  # noqa: E402
                    read_script, send, write_script)
from sandbox import Sandbox  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PROBE_SECONDS = 10.0    # the program must answer a probe within this time
START_SECONDS = 60.0    # its window must show within this time after start
QUIET_SECONDS = 3.0     # the time it is watched for work after input stopped
BUSY_SHARE = 0.8        # the share of that time it may compute before it counts as busy


class Failure(Exception):
    def __init__(self, kind, detail, index=None):
        super().__init__("%s: %s" % (kind, detail))
        self.kind, self.detail, self.index = kind, detail, index

    def signature(self):
        """What makes two failures the same one: the kind and, for a sanitizer
        report, the first frame of the program or its libraries."""
        frame = re.search(r"#\d+ 0x[0-9a-f]+ in (?!__interceptor|__asan|__ubsan|__sanitizer)([^\s(]+)",
                          self.detail)
        return "%s %s" % (self.kind, frame.group(1) if frame else "")


def report_kind(report):
    if "LeakSanitizer" in report:
        return "leak"
    if "AddressSanitizer" in report:
        return "address"
    if "runtime error:" in report or "UndefinedBehaviorSanitizer" in report:
        return "undefined"
    return "sanitizer"


class Session:
    """One program in one sandbox, driven by events until they run out or it fails."""

    def __init__(self, sandbox, clipboard):
        self.box = sandbox
        self.screen = sandbox.screen
        self.clipboard = clipboard
        self.events_sent = 0
        self.restarts = 0
        self.index = None

    def start(self):
        self.screen.map_characters(SPECIAL_CHARACTERS)
        if self.clipboard is not None:
            self.box.hold_clipboard(self.clipboard)
        self.launch()

    def launch(self):
        self.box.start_program()
        deadline = time.monotonic() + START_SECONDS
        while not [w for w in self.screen.windows(self.box.pid) if w.pings]:
            self.check_alive()
            if time.monotonic() > deadline:
                raise Failure("start", "no window within %d s" % START_SECONDS, self.index)
            time.sleep(0.1)
        if self.screen.ping(self.box.pid, START_SECONDS, self.box.alive) is False:
            raise Failure("start", "the window does not answer", self.index)

    def check_alive(self):
        """Raises the failure when the program ended, except after its own Exit
        (status 0 with no report): then it starts again, as a user would."""
        if self.box.alive():
            return
        status = self.box.exit_status()
        reports = self.box.sanitizer_reports()
        if reports:
            raise Failure(report_kind(reports[0]), reports[0], self.index)
        if status != 0:
            what = "killed by signal %d" % -status if status < 0 else "exit status %d" % status
            raise Failure("crash", "the program ended: " + what, self.index)
        self.restarts += 1
        if self.restarts > 200:
            raise Failure("quits", "the program ended by itself 200 times", self.index)
        self.launch()

    def answer(self):
        """Waits until the program has taken in what was sent. The program answers
        a probe as soon as it reads it, while the input read with it waits in its
        queue for the next turn of its event loop: the answer to a second probe
        comes after that input was handled."""
        for _ in range(2):
            while True:
                self.check_alive()
                answered = self.screen.ping(self.box.pid, PROBE_SECONDS, self.box.alive)
                if answered:
                    break
                if answered is False:
                    raise Failure("hang", "no answer to the probe within %d s\n\n%s"
                                  % (PROBE_SECONDS, self.box.stacks()), self.index)
        return True

    def send(self, index, event):
        self.index = index
        try:
            send(event, self.screen, self.answer)
        finally:
            self.events_sent = index + 1

    def finish(self):
        """After the last event: the program must come to rest, then close when its
        windows are closed, with nothing to report on the way out."""
        self.index = None
        self.screen.release_everything()
        self.answer()
        time.sleep(1.0)
        before = self.box.cpu_seconds()
        time.sleep(QUIET_SECONDS)
        self.check_alive()
        busy = self.box.cpu_seconds() - before
        if busy > BUSY_SHARE * QUIET_SECONDS:
            raise Failure("busy", "%.1f s of work in the %.0f s after input stopped\n\n%s"
                          % (busy, QUIET_SECONDS, self.box.stacks()))
        return self.close()

    def wait_closed(self, wid, seconds=5):
        """Whether window `wid` is gone (or the program ended) within `seconds`."""
        deadline = time.monotonic() + seconds
        while self.box.alive() and time.monotonic() < deadline:
            if wid not in [w.id for w in self.screen.windows(self.box.pid)]:
                return True
            time.sleep(0.05)
        return not self.box.alive()

    def close(self):
        """Closes the program's windows one by one, topmost first, as a user would
        with the windows' close buttons; true when it ended."""
        for _ in range(2):
            self.screen.key("Escape")
        for _ in range(12):
            if not self.box.alive():
                break
            windows = [w for w in self.screen.windows(self.box.pid) if w.pings]
            if not windows:
                break
            self.screen.ask_to_close(windows[-1].id)
            if not self.wait_closed(windows[-1].id) and self.box.alive():
                # A window that asks before it closes ("Save the results?") is
                # answered No (Alt+N), so the program still ends and its leaks are checked.
                self.screen.key("alt+n")
                self.wait_closed(windows[-1].id)
        try:
            self.box.process.wait(timeout=60)
        except subprocess.TimeoutExpired:
            return False
        reports = self.box.sanitizer_reports()
        if reports:
            raise Failure(report_kind(reports[0]), reports[0])
        status = self.box.exit_status()
        if status != 0:
            raise Failure("crash", "the program ended with status %d when closed" % status)
        return True


def default_program():
    for build in ("build-asan", "build"):
        path = os.path.join(ROOT, build, "app", "corvana")
        if os.path.exists(path):
            return path
    sys.exit("monkey: no corvana built; give --program")


def keep_failure(sandbox, failure, folder):
    sandbox.keep_logs(folder)
    with open(os.path.join(folder, "failure.txt"), "w", encoding="utf-8") as f:
        f.write("%s (event %s)\n\n%s\n" % (failure.kind, failure.index, failure.detail))


def run_seed(program, seed, seconds, events, out, clipboard_mode):
    """One random run; returns a summary dictionary."""
    rng = random.Random(seed)
    script = os.path.join(out, "seed-%d.events" % seed)
    started = time.monotonic()
    sandbox = Sandbox(program)
    result = {"seed": seed, "events": 0, "restarts": 0, "outcome": "ok", "script": script}
    try:
        user_clipboard = None
        if clipboard_mode == "text" or (clipboard_mode == "alternate" and seed % 2 == 1):
            user_clipboard = clipboard_text(random.Random(seed ^ 0x5EED))
        result["clipboard"] = "empty" if user_clipboard is None else "text"
        session = Session(sandbox, user_clipboard)
        with open(script, "w", encoding="utf-8") as log:
            log.write("# corvana-monkey seed %d, program %s\n" % (seed, program))
            log.write("# replay: tests/monkey/monkey.py replay %s\n" % script)
            write_line = lambda line: (log.write(line + "\n"), log.flush())
            write_line(format_event(Event("clipboard", user_clipboard)))
            try:
                session.start()
                user = RandomUser(rng, sandbox.screen, sandbox.pid)
                index = 0
                while (seconds is None or time.monotonic() - started < seconds) and \
                        (events is None or index < events):
                    user.pid = sandbox.pid
                    event = user.next_event()
                    write_line(format_event(event))
                    session.send(index, event)
                    index += 1
                if not session.finish():
                    result["note"] = "the program did not end when its windows were closed; no leak check"
            except Failure as failure:
                result["outcome"] = failure.kind
                result["failure"] = failure.signature()
                result["failed_at"] = failure.index
                folder = os.path.join(out, "seed-%d.failure" % seed)
                sandbox.screenshot(os.path.join(out, "seed-%d.png" % seed))
                keep_failure(sandbox, failure, folder)
                result["details"] = folder
        result["events"] = session.events_sent
        result["restarts"] = session.restarts
    finally:
        sandbox.close()
    result["seconds"] = round(time.monotonic() - started, 1)
    return result


def replay(program, clipboard, events, keep=None, shots=None):
    """Sends the events again to a fresh program; the failure, or None. With
    `shots`, a screenshot of the screen after each event goes to that folder."""
    sandbox = Sandbox(program)
    try:
        session = Session(sandbox, clipboard)
        try:
            session.start()
            for index, event in enumerate(events):
                session.send(index, event)
                if shots:
                    sandbox.screenshot(os.path.join(shots, "event-%04d.png" % index))
            if not session.finish():
                print("monkey: the program did not end when its windows were closed; "
                      "no leak check", flush=True)
        except Failure as failure:
            if keep:
                keep_failure(sandbox, failure, keep)
            return failure
        return None
    finally:
        sandbox.close()


def ddmin(events, fails, deadline):
    """The smallest part of `events` (by the delta-debugging search) for which
    `fails` holds, dropping ever smaller chunks while the failure stays."""
    chunks = 2
    while len(events) >= 2 and time.monotonic() < deadline:
        size = (len(events) + chunks - 1) // chunks
        parts = [events[i:i + size] for i in range(0, len(events), size)]
        reduced = False
        for i in range(len(parts)):
            if time.monotonic() >= deadline:
                break
            rest = [e for j, part in enumerate(parts) if j != i for e in part]
            if rest and fails(rest):
                events, chunks, reduced = rest, max(chunks - 1, 2), True
                break
        if not reduced:
            if chunks >= len(events):
                break
            chunks = min(len(events), chunks * 2)
    return events


def shrink(program, path, minutes, target):
    clipboard, events = read_script(path)
    print("monkey: replaying %s (%d events)" % (path, len(events)), flush=True)
    # Timers make a replay differ a little from the run it repeats: a failure that
    # shows in one of three replays is worth shrinking.
    first = None
    for _ in range(3):
        first = replay(program, clipboard, events)
        if first is not None:
            break
    if first is None:
        sys.exit("monkey: %s does not fail when replayed" % path)
    signature = first.signature()
    print("monkey: fails with %s at event %s" % (signature, first.index), flush=True)
    if first.index is not None:
        events = events[:first.index + 1]
    deadline = time.monotonic() + minutes * 60
    trials = [0]

    def fails(candidate):
        trials[0] += 1
        failure = replay(program, clipboard, candidate)
        same = failure is not None and failure.signature() == signature
        print("monkey: trial %d, %d events: %s" % (trials[0], len(candidate),
                                                   "fails" if same else "passes"), flush=True)
        return same

    # Most failures need only the last few events: try short tails first.
    tail = 1
    while tail < len(events) and time.monotonic() < deadline:
        if fails(events[-tail:]):
            events = events[-tail:]
            break
        tail *= 4
    events = ddmin(events, fails, deadline)
    write_script(target, clipboard, events,
                 ["shrunk from %s: %s" % (os.path.basename(path), signature),
                  "replay: tests/monkey/monkey.py replay %s" % target])
    print("monkey: %d events left in %s after %d trials" % (len(events), target, trials[0]))


def seed_list(args):
    if args.seed:
        return args.seed
    return list(range(args.first_seed, args.first_seed + args.seeds))


def command_run(args):
    out = os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)
    seeds = seed_list(args)
    results = []
    if args.jobs > 1 and len(seeds) > 1:
        # Each seed in a process of its own, `jobs` of them side by side.
        pending = list(seeds)
        running = []
        while pending or running:
            while pending and len(running) < args.jobs:
                seed = pending.pop(0)
                command = [sys.executable, os.path.abspath(__file__), "run", "--program", args.program,
                           "--seed", str(seed), "--out", out, "--clipboard", args.clipboard, "--json"]
                command += ["--seconds", str(args.seconds)] if args.seconds else []
                command += ["--events", str(args.events)] if args.events else []
                running.append(subprocess.Popen(command, stdout=subprocess.PIPE))
            for child in list(running):
                if child.poll() is not None:
                    running.remove(child)
                    for line in child.stdout.read().decode().splitlines():
                        if line.startswith("{"):
                            results.append(json.loads(line))
                            print_result(results[-1])
            time.sleep(0.2)
    else:
        for seed in seeds:
            result = run_seed(args.program, seed, args.seconds, args.events, out, args.clipboard)
            results.append(result)
            if args.json:
                print(json.dumps(result), flush=True)
            else:
                print_result(result)
    if args.json:
        return 0
    failed = [r for r in results if r["outcome"] != "ok"]
    print("monkey: %d events, %d seeds, %.0f s of runs" % (sum(r["events"] for r in results), len(results),
                                                           sum(r["seconds"] for r in results)))
    print("monkey: %d passed, %d failed" % (len(results) - len(failed), len(failed)))
    return 1 if failed or len(results) < len(seeds) else 0


def print_result(result):
    line = "monkey: seed %d (clipboard %s): %d events in %.0f s, %d restarts: %s" % (
        result["seed"], result.get("clipboard", "?"), result["events"], result["seconds"],
        result["restarts"], result["outcome"])
    if result["outcome"] != "ok":
        line += " %s at event %s; script %s, details %s" % (result.get("failure", ""), result.get("failed_at"),
                                                           result["script"], result.get("details"))
    elif result.get("note"):
        line += " (%s)" % result["note"]
    print(line, flush=True)


def command_replay(args):
    failed = 0
    for path in args.scripts:
        clipboard, events = read_script(path)
        keep = os.path.abspath(args.keep) if args.keep else None
        shots = os.path.abspath(args.shots) if args.shots else None
        if shots:
            os.makedirs(shots, exist_ok=True)
        failure = replay(args.program, clipboard, events, keep, shots)
        if failure:
            failed += 1
            print("monkey: %s fails: %s at event %s\n%s" % (path, failure.signature(), failure.index,
                                                          failure.detail[:4000]), flush=True)
        else:
            print("monkey: %s passes (%d events)" % (path, len(events)), flush=True)
    print("monkey: %d passed, %d failed" % (len(args.scripts) - failed, failed))
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    run = sub.add_parser("run", help="random runs")
    run.add_argument("--seeds", type=int, default=1, help="how many seeds (default 1)")
    run.add_argument("--first-seed", type=int, default=1)
    run.add_argument("--seed", type=int, action="append", help="a seed to run (repeatable)")
    run.add_argument("--seconds", type=float, help="length of each run")
    run.add_argument("--events", type=int, help="events in each run")
    run.add_argument("--jobs", type=int, default=1, help="runs side by side")
    run.add_argument("--clipboard", choices=["alternate", "empty", "text"], default="alternate")
    run.add_argument("--out", default=os.path.join(ROOT, "build-asan", "monkey"))
    run.add_argument("--json", action="store_true", help=argparse.SUPPRESS)
    again = sub.add_parser("replay", help="replay event scripts")
    again.add_argument("scripts", nargs="+")
    again.add_argument("--keep", help="folder for the logs of a failure")
    again.add_argument("--shots", help="folder for a screenshot after each event")
    small = sub.add_parser("shrink", help="shrink a failing event script")
    small.add_argument("script")
    small.add_argument("--minutes", type=float, default=60)
    small.add_argument("--to", help="the shrunk script (default SCRIPT.min)")
    for each in (run, again, small):
        each.add_argument("--program", help="the corvana binary (default: build-asan's, else build's)")
        each.add_argument("--screen-reader", action="store_true",
                          help="with the accessibility bus on and a screen reader asking about every event")
        each.add_argument("--language", help="the window's language, such as de (default English)")
    args = parser.parse_args()
    if args.screen_reader:
        os.environ["CORVANA_MONKEY_SCREEN_READER"] = "1"  # for the sandboxes, and the runs of --jobs
    if args.language:
        os.environ["CORVANA_MONKEY_LANGUAGE"] = args.language
    args.program = os.path.abspath(args.program or default_program())
    if args.command == "run":
        if args.seconds is None and args.events is None:
            args.seconds = 60
        return command_run(args)
    if args.command == "replay":
        return command_replay(args)
    shrink(args.program, args.script, args.minutes, args.to or args.script + ".min")
    return 0


if __name__ == "__main__":
    sys.exit(main())
