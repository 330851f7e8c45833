"""The display side of the driver: real input through the X server's XTest
extension, the program's windows as the X server sees them, and the probe that
asks the program whether it still answers (the _NET_WM_PING protocol, which the
program's event loop answers itself)."""

import select
import time

from Xlib import X, XK, Xatom, display, error, protocol
from Xlib.ext import xtest

MODIFIER_KEYS = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}


def keysym_of_char(char):
    """The keysym that types `char`: Latin-1 characters are their own keysyms,
    every other character has its Unicode keysym."""
    code = ord(char)
    if 0x20 <= code <= 0x7E or 0xA0 <= code <= 0xFF:
        return code
    return 0x1000000 + code


class Window:
    def __init__(self, wid, x, y, width, height, pid, pings, title):
        self.id, self.x, self.y, self.width, self.height = wid, x, y, width, height
        self.pid, self.pings, self.title = pid, pings, title

    def contains(self, x, y):
        return self.x <= x < self.x + self.width and self.y <= y < self.y + self.height


class Screen:
    """One connection to the display the program runs on."""

    def __init__(self, name):
        self.d = display.Display(name)
        self.d.set_error_handler(lambda *args: None)  # a window may vanish at any time
        self.root = self.d.screen().root
        self.width = self.d.screen().width_in_pixels
        self.height = self.d.screen().height_in_pixels
        # The program answers a ping by sending it to the root window, to the clients
        # that watch its structure.
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask | X.StructureNotifyMask)
        atom = lambda name: self.d.intern_atom(name)
        self.WM_PROTOCOLS = atom("WM_PROTOCOLS")
        self.WM_DELETE_WINDOW = atom("WM_DELETE_WINDOW")
        self.NET_WM_PING = atom("_NET_WM_PING")
        self.NET_WM_PID = atom("_NET_WM_PID")
        self.NET_WM_NAME = atom("_NET_WM_NAME")
        self.UTF8_STRING = atom("UTF8_STRING")
        self.CLIPBOARD = atom("CLIPBOARD")
        self.token = 0
        self.extra_keys = {}
        self.d.sync()

    def close(self):
        try:
            self.d.close()
        except Exception:
            pass

    # ---- keyboard -------------------------------------------------------------

    def map_characters(self, chars):
        """Gives every character of `chars` that no key types a spare key code of
        its own, before the program starts, so that typing it needs no change of
        the keyboard while the program runs."""
        first = self.d.display.info.min_keycode
        count = self.d.display.info.max_keycode - first + 1
        mapping = self.d.get_keyboard_mapping(first, count)
        # Keys with no symbol, and the multimedia keys (XF86 symbols) no event presses.
        vendor = lambda sym: sym == 0 or 0x1008FF00 <= sym <= 0x1008FFFF
        spare = [first + i for i, syms in enumerate(mapping) if all(vendor(s) for s in syms) and first + i > 8]
        for char in chars:
            sym = keysym_of_char(char)
            if self.d.keysym_to_keycode(sym) or sym in self.extra_keys:
                continue
            if not spare:
                raise RuntimeError("no spare key code for %r" % char)
            code = spare.pop(0)
            self.d.change_keyboard_mapping(code, [(sym, sym)])
            self.extra_keys[sym] = code
        self.d.sync()

    def _key_for(self, sym):
        """(key code, needs Shift) for a keysym, or None when no key types it."""
        best = None
        for code, index in self.d.keysym_to_keycodes(sym):
            if index in (0, 1) and (best is None or index < best[1]):
                best = (code, index)
        if best:
            return best[0], best[1] == 1
        if sym in self.extra_keys:
            return self.extra_keys[sym], False
        return None

    def _fake(self, kind, detail=0, x=0, y=0):
        xtest.fake_input(self.d, kind, detail, x=x, y=y)

    def _press_modifiers(self, mods, press):
        names = [MODIFIER_KEYS[m] for m in mods]
        for name in names if press else reversed(names):
            code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
            self._fake(X.KeyPress if press else X.KeyRelease, code)

    def key(self, combo):
        """Presses a key combination such as "ctrl+shift+Insert" or "alt+f"."""
        *mods, name = combo.split("+") if combo != "+" else ["+"]
        sym = XK.string_to_keysym(name)
        if sym == 0 and len(name) == 1:
            sym = keysym_of_char(name)
        found = self._key_for(sym)
        if not found:
            raise ValueError("no key for %r" % combo)
        code, shifted = found
        if shifted and "shift" not in mods:
            mods = mods + ["shift"]
        self._press_modifiers(mods, True)
        self._fake(X.KeyPress, code)
        self._fake(X.KeyRelease, code)
        self._press_modifiers(mods, False)
        self.d.flush()

    def type_char(self, char):
        found = self._key_for(keysym_of_char(char))
        if not found:
            raise ValueError("no key types %r" % char)
        code, shifted = found
        if shifted:
            self._press_modifiers(["shift"], True)
        self._fake(X.KeyPress, code)
        self._fake(X.KeyRelease, code)
        if shifted:
            self._press_modifiers(["shift"], False)
        self.d.flush()

    # ---- pointer --------------------------------------------------------------

    def move(self, x, y):
        self._fake(X.MotionNotify, 0, x, y)
        self.d.flush()

    def button(self, number, press):
        self._fake(X.ButtonPress if press else X.ButtonRelease, number)
        self.d.flush()

    def modifiers(self, mods, press):
        self._press_modifiers(mods, press)
        self.d.flush()

    def release_everything(self):
        """Lets go of every button and modifier, as after an interrupted event."""
        for number in (1, 2, 3):
            self._fake(X.ButtonRelease, number)
        self._press_modifiers(list(MODIFIER_KEYS), False)
        self.d.flush()

    # ---- windows --------------------------------------------------------------

    def _property(self, window, atom, kind=X.AnyPropertyType):
        try:
            prop = window.get_full_property(atom, kind)
            return prop.value if prop else None
        except error.XError:
            return None

    def windows(self, pid=None, mapped=True):
        """The top-level windows in stacking order (the topmost last), only those of
        process `pid` when given, only those shown when `mapped`."""
        found = []
        try:
            children = self.root.query_tree().children
        except error.XError:
            return found
        for child in children:
            try:
                attributes = child.get_attributes()
                if mapped and attributes.map_state != X.IsViewable:
                    continue
                geometry = child.get_geometry()
            except error.XError:
                continue
            if geometry.width < 4 or geometry.height < 4:
                continue
            pids = self._property(child, self.NET_WM_PID, Xatom.CARDINAL)
            window_pid = int(pids[0]) if pids is not None and len(pids) else None
            if pid is not None and window_pid != pid:
                continue
            protocols = self._property(child, self.WM_PROTOCOLS, Xatom.ATOM)
            pings = protocols is not None and self.NET_WM_PING in list(protocols)
            title = self._property(child, self.NET_WM_NAME, self.UTF8_STRING)
            title = title.decode("utf-8", "replace") if isinstance(title, bytes) else ""
            found.append(Window(child.id, geometry.x, geometry.y, geometry.width, geometry.height,
                                window_pid, pings, title))
        return found

    def row_edges(self, x, y, width):
        """The x positions in row y, from x on for `width` pixels, where the colour
        changes: the borders of the controls that row crosses."""
        width = max(1, min(width, self.width - x))
        try:
            data = self.root.get_image(x, y, width, 1, X.ZPixmap, 0xFFFFFFFF).data
        except error.XError:
            return []
        step = len(data) // width if width else 4
        pixels = [data[i * step:i * step + 3] for i in range(width)]
        return [x + i for i in range(1, width) if pixels[i] != pixels[i - 1]]

    def send_client_message(self, wid, data):
        window = self.d.create_resource_object("window", wid)
        event = protocol.event.ClientMessage(window=window, client_type=self.WM_PROTOCOLS,
                                             data=(32, data + [0] * (5 - len(data))))
        window.send_event(event, event_mask=0)
        self.d.flush()

    def ask_to_close(self, wid):
        """Asks the window to close, as a window manager's close button does."""
        self.send_client_message(wid, [self.WM_DELETE_WINDOW, X.CurrentTime])

    # ---- the probe --------------------------------------------------------------

    def drain(self):
        while self.d.pending_events():
            self.d.next_event()

    def ping(self, pid, timeout, alive):
        """Whether process `pid` answers a ping within `timeout` seconds; None when
        `alive()` tells it ended first. The ping goes again to a window found anew
        every two seconds, as a window may close while it waits."""
        deadline = time.monotonic() + timeout
        first = self.token + 1
        resend = 0.0
        while True:
            now = time.monotonic()
            if not alive():
                return None
            if now >= deadline:
                return False
            if now >= resend:
                targets = [w for w in self.windows(pid, mapped=False) if w.pings]
                if targets:
                    shown = [w for w in self.windows(pid) if w.pings]
                    target = max(shown or targets, key=lambda w: w.width * w.height)
                    self.token = (self.token + 1) & 0x7FFFFFFF
                    self.send_client_message(target.id, [self.NET_WM_PING, self.token, target.id])
                resend = now + 2.0
            while self.d.pending_events():
                event = self.d.next_event()
                if (event.type == X.ClientMessage and event.client_type == self.WM_PROTOCOLS
                        and event.data[1][0] == self.NET_WM_PING and event.data[1][1] >= first):
                    return True
            select.select([self.d], [], [], max(0.0, min(deadline, resend, now + 0.2) - time.monotonic()))

    def clipboard_owned(self):
        return self.d.get_selection_owner(self.CLIPBOARD) != X.NONE
