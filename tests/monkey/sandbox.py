"""A throwaway place for one run of the program: its own X server, a home and a
working folder with plate lists and a binary file to find in the open dialog, a
copy of the program, and an unprivileged user to run it as. Run as root, the
program also gets private /tmp, /var/tmp and /dev/shm, so whatever the file
dialogs do lands in the throwaway place or nowhere."""

import io
import os
import pwd
import random
import shutil
import signal
import socket
import struct
import subprocess
import tempfile
import time
import zipfile

from xscreen import Screen

HERE = os.path.dirname(os.path.abspath(__file__))
SUPPRESSIONS = os.path.join(os.path.dirname(HERE), "lsan.supp")
SCREEN_SIZE = "1024x768x24"

# Runs inside a private mount namespace: fresh temporary folders, the throwaway
# place and the X sockets bound back in, then the program as the given user.
NAMESPACE_SCRIPT = r"""
set -e
exec 3<"$1" 4</tmp/.X11-unix
for d in /tmp /var/tmp /dev/shm; do mount -t tmpfs -o mode=1777,size=256m tmpfs "$d"; done
mkdir -p "$1" /tmp/.X11-unix
mount --no-canonicalize --bind /proc/self/fd/3 "$1"
mount --no-canonicalize --bind /proc/self/fd/4 /tmp/.X11-unix
exec 3<&- 4<&-
uid=$2
shift 2
exec setpriv --reuid="$uid" --regid="$uid" --clear-groups --inh-caps=-all -- "$@"
"""

# Runs a command as the given user, who has an account in this mount namespace only.
ACCOUNT_SCRIPT = r"""
set -e
mount --bind "$1" /etc/passwd
mount --bind "$2" /etc/group
uid=$3
shift 3
exec setpriv --reuid="$uid" --regid="$uid" --clear-groups --inh-caps=-all -- "$@"
"""


def unprivileged_uid():
    """A user id with no account on this machine, for the program to run as."""
    wanted = os.environ.get("CORVANA_MONKEY_UID")
    if wanted:
        return int(wanted)
    for uid in range(64101, 64200):
        try:
            pwd.getpwuid(uid)
        except KeyError:
            return uid
    raise RuntimeError("no free user id for the program")


def xauth_entry(family, address, number, cookie):
    def counted(data):
        return struct.pack(">H", len(data)) + data
    return (struct.pack(">H", family) + counted(address) + counted(number)
            + counted(b"MIT-MAGIC-COOKIE-1") + counted(cookie))


def workbook_bytes():
    """An Excel workbook of two sheets: a note, then vehicles under a header with
    a text plate 007, a formula and a total row."""
    import openpyxl
    book = openpyxl.Workbook()
    book.active.title = "Notes"
    book.active["A1"] = "see the next sheet"
    sheet = book.create_sheet("Fahrzeuge")
    for row in [["Nr.", "Kennzeichen", "Halter"], [1, "007", "Müller, Hans"], [2, "hk 55 evb", "Lee"],
                [3, "=B2&\"X\"", "formula"], ["Total", 3, None]]:
        sheet.append(row)
    data = io.BytesIO()
    book.save(data)
    return data.getvalue()


def spreadsheet_bytes():
    """An OpenDocument spreadsheet of one sheet, with repeated and covered cells."""
    content = ('<?xml version="1.0"?><office:document-content '
               'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
               'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
               'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>'
               '<table:table table:name="Liste"><table:table-row><table:table-cell><text:p>Plate</text:p>'
               '</table:table-cell></table:table-row><table:table-row table:number-rows-repeated="3">'
               '<table:table-cell><text:p>ÉTÉ 1</text:p></table:table-cell><table:covered-table-cell/>'
               '</table:table-row></table:table></office:spreadsheet></office:body></office:document-content>')
    data = io.BytesIO()
    with zipfile.ZipFile(data, "w") as archive:
        archive.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
        archive.writestr("content.xml", content)
    return data.getvalue()


def write_plate_lists(work):
    """The files a user has at hand: plate lists in every encoding the program
    reads, a long one, comments and blank lines, spreadsheet lists and
    workbooks, and files that are no list."""
    os.makedirs(os.path.join(work, "lists"))
    def put(name, data):
        with open(os.path.join(work, name), "wb") as f:
            f.write(data)
    put("plates.txt", "hk 55 evb\nAB-12 ; parked\nÉTÉ1\nZ 9\n\n   \n;only a comment\nßtraße 7\n".encode())
    put("windows.txt", "MÜNCHEN 1\r\nKÖLN 22\r\nwien\u00a03\r\n".encode("cp1252"))
    put("utf16.txt", "\ufeffNÆSTVED 4\r\nÅRHUS 5\r\n".encode("utf-16-le"))
    put("results.txt", b"Number plate;Wiegand 26-bit (hex);Facility code;ID number\r\n"
                       b"HK55EVB;0x3019E2A;128;53013\r\n")
    rng = random.Random(21)
    letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -"
    put("lists/many.txt", "\n".join("".join(rng.choice(letters) for _ in range(rng.randint(1, 12)))
                                    for _ in range(2000)).encode())
    put("lists/long lines.txt", ("X" * 5000 + "\n" + "é" * 300 + "\n").encode())
    put("empty.txt", b"")
    put("owners.csv", "Nr.;Kennzeichen;Halter\r\n1;007;\"Müller; Hans\"\r\n2;hk 55 evb;Lee\r\nSumme;2;\r\n".encode())
    put("vehicles.xlsx", workbook_bytes())
    put("vehicles.ods", spreadsheet_bytes())
    put("binary.bin", bytes(rng.randrange(256) for _ in range(65536)))
    put("picture.bmp", b"BM" + bytes(rng.randrange(256) for _ in range(2048)))


class Sandbox:
    """The throwaway place, its X server and the program's process."""

    def __init__(self, program):
        self.program = program
        self.process = None
        self.xserver = None
        self.screen = None
        self.helpers = []
        self.as_root = os.geteuid() == 0
        self.uid = unprivileged_uid() if self.as_root else os.geteuid()
        self.namespace = False
        self.base = tempfile.mkdtemp(prefix="corvana-monkey-")
        os.chmod(self.base, 0o755)
        self.home = self._dir("home")
        self.work = self._dir("work")
        self.bin = self._dir("bin")
        self.logs = self._dir("logs")
        self.runtime = self._dir("run", 0o700)
        write_plate_lists(self.work)
        shutil.copy2(program, os.path.join(self.bin, "corvana"))
        self._write_stubs()
        shutil.copy(SUPPRESSIONS, os.path.join(self.base, "lsan.supp"))
        if self.as_root:
            for top, dirs, files in os.walk(self.base):
                for name in dirs + files:
                    os.lchown(os.path.join(top, name), self.uid, self.uid)
            os.chown(self.base, self.uid, self.uid)
            self.namespace = self._namespace_works()
        self._start_xserver()
        self.screen = Screen(self.display)
        self.bus = None
        self.bus_processes = []  # each leads a process group: the buses start more
        if os.environ.get("CORVANA_MONKEY_SCREEN_READER"):
            try:
                self._start_screen_reader()
            except BaseException:
                self.close()
                raise

    def _dir(self, name, mode=0o755):
        path = os.path.join(self.base, name)
        os.makedirs(path)
        os.chmod(path, mode)
        return path

    def _write_stubs(self):
        # Addresses the program opens go to a file, never to a browser or mailer.
        stub = os.path.join(self.bin, "xdg-open")
        with open(stub, "w") as f:
            f.write('#!/bin/sh\necho "$@" >> "%s"\n' % os.path.join(self.logs, "opened.txt"))
        os.chmod(stub, 0o755)

    def _namespace_works(self):
        try:
            return subprocess.run(["unshare", "--mount", "--propagation", "private", "true"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10).returncode == 0
        except (OSError, subprocess.TimeoutExpired):
            return False

    # ---- the X server -------------------------------------------------------------

    def _start_xserver(self):
        cookie = os.urandom(16)
        server_auth = os.path.join(self.base, "server.xauth")
        with open(server_auth, "wb") as f:
            f.write(xauth_entry(0xFFFF, b"", b"", cookie))
        os.chmod(server_auth, 0o600)
        read, write = os.pipe()
        self.xserver = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", SCREEN_SIZE, "-nolisten", "tcp",
             "-auth", server_auth, "-noreset"],
            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.logs, "xvfb.txt"), "w"))
        os.close(write)
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read, 16)
            if not chunk:
                break
            number += chunk
        os.close(read)
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        number = number.strip()
        self.display = ":" + number.decode()
        self.xauthority = os.path.join(self.base, "xauth")
        with open(self.xauthority, "wb") as f:
            f.write(xauth_entry(256, socket.gethostname().encode(), number, cookie))
            f.write(xauth_entry(0xFFFF, b"", b"", cookie))
        if self.as_root:
            os.chown(self.xauthority, self.uid, self.uid)
        os.environ["XAUTHORITY"] = self.xauthority

    # ---- a screen reader ---------------------------------------------------------

    def _as_account(self, command):
        """The command as the program's user, which as root is given an account in
        a private mount namespace: the desktop's buses look their user up and
        refuse one they cannot find."""
        if not self.as_root:
            return command
        passwd, group = os.path.join(self.base, "passwd"), os.path.join(self.base, "group")
        if not os.path.exists(passwd):
            for name, line in ((passwd, "monkey:x:%d:%d:monkey:%s:/bin/sh\n" % (self.uid, self.uid, self.home)),
                               (group, "monkey:x:%d:\n" % self.uid)):
                shutil.copy("/etc/" + os.path.basename(name), name)
                with open(name, "a") as f:
                    f.write(line)
        return ["unshare", "--mount", "--propagation", "private", "sh", "-c", ACCOUNT_SCRIPT, "sh",
                passwd, group, str(self.uid)] + command

    def _start_screen_reader(self):
        """A session bus, the accessibility bus on it told that a screen reader
        listens, and screen_reader.py asking about whatever the program tells; all
        as the program's user, whose buses they are."""
        env = {"PATH": "/usr/bin:/bin", "HOME": self.home, "XDG_RUNTIME_DIR": self.runtime,
               "DISPLAY": self.display, "XAUTHORITY": self.xauthority, "LANG": "C.UTF-8"}
        with open(os.path.join(self.base, "lsan.supp"), "a") as supp, \
                open(os.path.join(HERE, "screen_reader.supp")) as more:
            supp.write(more.read())
        log = open(os.path.join(self.logs, "screen-reader.txt"), "ab")
        def spawn(command, **options):
            process = subprocess.Popen(self._as_account(command), env=env, stdin=subprocess.DEVNULL,
                                       stderr=log, start_new_session=True, **options)
            self.bus_processes.append(process)
            return process
        bus = spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                     "--address=unix:path=" + os.path.join(self.runtime, "bus")], stdout=subprocess.PIPE)
        self.bus = bus.stdout.readline().decode().strip()
        if not self.bus:
            raise RuntimeError("the session bus did not start")
        env["DBUS_SESSION_BUS_ADDRESS"] = self.bus
        spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=log)
        enable = self._as_account(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
                                   "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                                   "string:IsEnabled", "variant:boolean:true"])
        deadline = time.monotonic() + 20
        while subprocess.run(enable, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode:
            if time.monotonic() > deadline:
                raise RuntimeError("the accessibility bus did not start")
            time.sleep(0.1)
        reader = spawn(["/usr/bin/python3", os.path.join(HERE, "screen_reader.py")], stdout=subprocess.PIPE)
        if reader.stdout.readline().strip() != b"listening":
            raise RuntimeError("the screen reader did not start")
        log.close()

    def helper_environment(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, XAUTHORITY=self.xauthority)
        return env

    def hold_clipboard(self, text):
        """Puts `text` on the clipboard, owned by another program (xclip), as text
        a user copied elsewhere."""
        owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"], stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                 env=self.helper_environment())
        owner.stdin.write(text.encode("utf-8"))
        owner.stdin.close()
        self.helpers.append(owner)
        deadline = time.monotonic() + 10
        while not self.screen.clipboard_owned():
            if time.monotonic() > deadline:
                raise RuntimeError("xclip did not take the clipboard")
            time.sleep(0.05)

    # ---- the program ---------------------------------------------------------------

    def program_environment(self):
        logs = os.path.join(self.logs, "sanitizer")
        supp = os.path.join(self.base, "lsan.supp")
        # monkey.py --language: the window in that language.
        language = os.environ.get("CORVANA_MONKEY_LANGUAGE")
        return ({"LANGUAGE": language} if language else {}) | {
            "PATH": self.bin + ":/usr/bin:/bin",
            "HOME": self.home,
            "USER": "monkey",
            "LOGNAME": "monkey",
            "TMPDIR": self.runtime,
            "XDG_RUNTIME_DIR": self.runtime,
            "DISPLAY": self.display,
            "XAUTHORITY": self.xauthority,
            "LANG": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            # No printer server: printing finds no printers instead of the machine's.
            "CUPS_SERVER": os.path.join(self.runtime, "no-printers"),
            "DBUS_SESSION_BUS_ADDRESS": self.bus or "unix:path=" + os.path.join(self.runtime, "no-bus"),
            "ASAN_OPTIONS": "abort_on_error=1:detect_leaks=1:log_path=" + logs,
            "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1:log_path=" + logs,
            "LSAN_OPTIONS": "suppressions=%s:print_suppressions=0" % supp,
        }

    def start_program(self):
        command = [os.path.join(self.bin, "corvana")]
        if self.as_root and self.namespace:
            command = ["unshare", "--mount", "--propagation", "private", "sh", "-c", NAMESPACE_SCRIPT,
                       "sh", self.base, str(self.uid)] + command
        elif self.as_root:
            command = ["setpriv", "--reuid=%d" % self.uid, "--regid=%d" % self.uid, "--clear-groups",
                       "--inh-caps=-all", "--"] + command
        stderr = open(os.path.join(self.logs, "stderr.txt"), "ab")
        self.process = subprocess.Popen(command, cwd=self.work, env=self.program_environment(),
                                        stdin=subprocess.DEVNULL, stdout=stderr, stderr=stderr,
                                        start_new_session=True)
        stderr.close()
        self._check_not_root()

    def _check_not_root(self):
        # unshare and setpriv replace themselves with the program: once the process
        # runs the program, its user ids must all be the unprivileged one.
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and self.alive():
            try:
                exe = os.readlink("/proc/%d/exe" % self.process.pid)
                with open("/proc/%d/status" % self.process.pid) as f:
                    uids = next(line for line in f if line.startswith("Uid:")).split()[1:]
            except (OSError, StopIteration):
                time.sleep(0.01)
                continue
            if os.path.basename(exe) == "corvana":
                if any(int(u) == 0 for u in uids):
                    self.kill_program()
                    raise RuntimeError("refusing to run the program as root")
                return
            time.sleep(0.01)

    @property
    def pid(self):
        return self.process.pid if self.process else None

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def exit_status(self):
        return self.process.poll() if self.process else None

    def cpu_seconds(self):
        try:
            with open("/proc/%d/stat" % self.process.pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
        except (OSError, IndexError, ValueError):
            return 0.0

    def stacks(self):
        """Every thread's stack of the running program, for a hang report."""
        if not shutil.which("gdb"):
            return "(gdb is not installed)"
        try:
            result = subprocess.run(["gdb", "-p", str(self.process.pid), "-batch", "-nx",
                                     "-ex", "thread apply all bt 40"],
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
            return result.stdout.decode("utf-8", "replace")
        except (OSError, subprocess.TimeoutExpired) as failure:
            return "(gdb failed: %s)" % failure

    def kill_program(self):
        if self.alive():
            self.process.send_signal(signal.SIGKILL)
        if self.process:
            try:
                self.process.wait(timeout=30)
            except subprocess.TimeoutExpired:
                pass

    def sanitizer_reports(self):
        reports = []
        for name in sorted(os.listdir(self.logs)):
            if name.startswith("sanitizer."):
                with open(os.path.join(self.logs, name), encoding="utf-8", errors="replace") as f:
                    reports.append(f.read())
        return reports

    def screenshot(self, path):
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.helper_environment(),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)

    def keep_logs(self, target):
        """Copies what the program left in its logs folder to `target`."""
        os.makedirs(target, exist_ok=True)
        for name in os.listdir(self.logs):
            shutil.copy(os.path.join(self.logs, name), os.path.join(target, name))

    def close(self):
        self.kill_program()
        for leader in self.bus_processes:
            try:
                os.killpg(leader.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            leader.wait()
        for helper in self.helpers:
            if helper.poll() is None:
                helper.kill()
            helper.wait()
        if self.screen:
            self.screen.close()
        if self.xserver and self.xserver.poll() is None:
            self.xserver.terminate()
            try:
                self.xserver.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xserver.kill()
                self.xserver.wait()
        shutil.rmtree(self.base, ignore_errors=True)
