"""A desktop of the tests' own for the real corvana, as a screen reader sees it:
an X server, a session bus and the accessibility bus (AT-SPI) with its registry,
the bus told that a screen reader listens; the program in a fresh folder with its
own HOME; keys sent through XTest (xdotool); and the accessibility tree read
through pyatspi, as Orca reads it."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SCREEN = "1024x768x24"


class Desktop:
    def __init__(self, program):
        self.base = tempfile.mkdtemp(prefix="corvana-a11y-")
        self.processes = []
        self.program = None
        try:
            self._start_desktop(program)
        except BaseException:
            self.close()  # no X server or bus left behind
            raise

    def _start_desktop(self, program):
        self._start_xserver()
        os.environ["XDG_RUNTIME_DIR"] = self._dir("run", 0o700)
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                           "--address=unix:path=" + os.path.join(self.base, "run", "bus")], stdout=subprocess.PIPE)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self._spawn([os.environ.get("ATSPI_BUS_LAUNCHER", "/usr/libexec/at-spi-bus-launcher"), "--launch-immediately"])
        self._retry(lambda: self.screen_reader(True), "the accessibility bus did not start")
        import pyatspi  # imported once the bus is there: it connects at once
        self.atspi = pyatspi
        self.work = self._dir("work")
        home = self._dir("home")
        self.program_file = program
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), LANG="C.UTF-8",
                        QT_QPA_PLATFORM="xcb", CUPS_SERVER=os.path.join(self.base, "no-printers"))
        self.env.pop("QT_QPA_PLATFORMTHEME", None)
        self.events = []

    def screen_reader(self, on):
        """Says on the bus that a screen reader listens (or no longer does), as one
        that starts does; programs then expose their trees (or stop)."""
        return subprocess.run(
            ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
             "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
             "variant:boolean:" + ("true" if on else "false")],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def _dir(self, name, mode=0o755):
        path = os.path.join(self.base, name)
        os.makedirs(path, exist_ok=True)
        os.chmod(path, mode)
        return path

    def _spawn(self, command, stdout=subprocess.DEVNULL):
        process = subprocess.Popen(command, stdout=stdout, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    @staticmethod
    def _retry(check, failure, seconds=20):
        deadline = time.monotonic() + seconds
        while not check():
            if time.monotonic() > deadline:
                raise AssertionError(failure)
            time.sleep(0.1)

    def _start_xserver(self):
        read, write = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", SCREEN, "-nolisten", "tcp", "-noreset"],
            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                break
            number += chunk
        os.close(read)
        if not number.strip():
            raise AssertionError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number.decode().strip()

    # ---- the program ------------------------------------------------------------------

    def start(self):
        copy = os.path.join(self.base, "bin", "corvana")
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        shutil.copy2(self.program_file, copy)
        self.program = subprocess.Popen([copy], cwd=self.work, env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = None
        self._retry(self._find_app, "corvana shows no window to the screen reader", 60)
        self.window("Corvana")
        self.focus_window("Corvana")

    def _find_app(self):
        for app in self.atspi.Registry.getDesktop(0):
            if app is not None and app.name == "Corvana":
                self.app = app
                return True
        return False

    def window(self, title, seconds=20):
        """The showing window (frame or dialog) with this title."""
        found = []
        def look():
            found[:] = [w for w in self.app if w is not None and w.name == title
                        and w.getState().contains(self.atspi.STATE_SHOWING)]
            return bool(found)
        self._retry(look, "no window %r" % title, seconds)
        return found[0]

    def focus_window(self, title):
        """Gives the X window the keyboard focus, as a window manager does."""
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                             stdout=subprocess.PIPE, text=True).stdout.split()
        if not ids:
            raise AssertionError("no X window %r" % title)
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], check=True)
        time.sleep(0.3)

    def stop(self):
        if self.program and self.program.poll() is None:
            self.program.terminate()
            try:
                self.program.wait(10)
            except subprocess.TimeoutExpired:
                self.program.kill()
                self.program.wait()

    def close(self):
        self.stop()
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.base, ignore_errors=True)

    # ---- keys and screenshots ------------------------------------------------------------

    def keys(self, *keys):
        """Presses keys through XTest, then lets the program and the bus catch up."""
        subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), check=True)
        self.pump(0.4)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
        self.pump(0.3)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], check=True)

    # ---- events -----------------------------------------------------------------------

    def listen(self, *kinds):
        for kind in kinds:
            self.atspi.Registry.registerEventListener(self._record, kind)
        self.pump(0.5)

    def _record(self, event):
        try:
            self.events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1,
                                str(event.any_data)))
        except Exception as error:  # an object gone meanwhile
            self.events.append((event.type, "gone", str(error), 0, ""))

    def pump(self, seconds):
        """Runs the event loop for a while, so that events arrive."""
        from gi.repository import GLib
        GLib.timeout_add(int(seconds * 1000), lambda: (self.atspi.Registry.stop(), False)[1])
        self.atspi.Registry.start()

    def take_events(self):
        events, self.events = self.events, []
        return events

    # ---- the tree ---------------------------------------------------------------------

    def find_all(self, root, predicate):
        return self.atspi.findAllDescendants(root, predicate)

    def focused(self):
        """The innermost focused object of the program."""
        found = self.find_all(self.app, lambda a: a.getState().contains(self.atspi.STATE_FOCUSED)
                              and a.getRole() != self.atspi.ROLE_PAGE_TAB)
        return found[-1] if found else None

    def unnamed_controls(self, window):
        """The showing controls of a window that take the focus and have no name."""
        S = self.atspi
        def control(a):
            states = a.getState()
            return (states.contains(S.STATE_FOCUSABLE) and states.contains(S.STATE_SHOWING)
                    and a.getRole() not in (S.ROLE_TABLE_CELL, S.ROLE_MENU_ITEM, S.ROLE_PAGE_TAB))
        return ["%s in %s" % (a.getRoleName(), a.parent.getRoleName())
                for a in self.find_all(window, control) if not a.name.strip()]


def run(test):
    """Runs test(desktop) against the corvana binary named on the command line."""
    desktop = Desktop(sys.argv[1])
    try:
        test(desktop)
    except AssertionError as failure:
        shots = os.environ.get("SHOTS")
        if shots:
            desktop.screenshot(os.path.join(shots, "failure.png"))
        print("FAILED: %s" % failure, file=sys.stderr)
        sys.exit(1)
    finally:
        desktop.close()
    print("1 passed, 0 failed")
