"""Events of the random-use driver: how each is written in an event script, sent
to the display, and chosen at random.

An event script has one event per line; "#" starts a comment line:

    clipboard empty                 the clipboard has no owner (first line)
    clipboard "hk 55\\nAB"           text another program holds on the clipboard
    key ctrl+shift+Insert           a key with its modifiers (X keysym names)
    type "Ab\\u00e9 1"               characters typed one by one
    click 1 340 220 shift           button 1 (left), 2 (middle) or 3 (right) at x y
    double 120 88                   a left double click
    drag 1 10 20 200 20 ctrl        press at the first point, move, release at the second
    wheel 5 300 300 3               3 turns of wheel button 4 (up), 5, 6 or 7 (sideways)
    move 10 10                      the pointer moves there (hints show)
    pause 0.8                       nothing for 0.8 s (timers run)
"""

import json
import time

# Characters typed besides ASCII: letters with accents, a letter whose upper case
# is two letters, spaces that are not the ASCII space, other scripts, a character
# outside the basic plane, a combining accent, a right-to-left mark.
SPECIAL_CHARACTERS = ("ÄÖÜäöüßéÉèçñÑÆØÅ€£¥µ°§«»\u00a0\u2028\u200b\u202f\u3000"
                      "ЖжΩω漢字ا\u0301\u200f😀")
ASCII_TEXT = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789      "
PUNCTUATION = ";;[]\"=<>+-*/^()%.,:'!?_&|\\~`@#$"

# Every shortcut of the window and the grids, and the keys that move, confirm,
# cancel, edit and open menus.
KEYS = [
    "ctrl+n", "ctrl+o", "ctrl+s", "ctrl+p", "ctrl+q", "ctrl+h", "ctrl+c", "ctrl+v", "ctrl+x",
    "ctrl+z", "ctrl+a", "ctrl+y", "ctrl+shift+z", "F3", "shift+Insert", "shift+Delete",
    "ctrl+shift+Insert", "ctrl+shift+Delete", "ctrl+Insert", "Insert", "Delete", "BackSpace",
    "Menu", "shift+F10", "Escape", "Return", "KP_Enter", "Tab", "shift+Tab", "space",
    "Up", "Down", "Left", "Right", "shift+Up", "shift+Down", "shift+Left", "shift+Right",
    "ctrl+Left", "ctrl+Right", "ctrl+Up", "ctrl+Down", "Home", "End", "ctrl+Home", "ctrl+End",
    "shift+Home", "shift+End", "Prior", "Next", "ctrl+Prior", "ctrl+Next", "shift+Prior",
    "F1", "F2", "F4", "F5", "F10", "F12", "alt+Down", "alt+Up",
]
LETTERS = "abcdefghijklmnopqrstuvwxyz"
MODIFIER_SETS = ["", "", "", "", "", "shift", "ctrl", "ctrl+shift", "alt"]


class Event:
    def __init__(self, verb, *args):
        self.verb = verb
        self.args = list(args)

    def __repr__(self):
        return format_event(self)


def format_event(event):
    if event.verb in ("type", "clipboard") and event.args and event.args[0] is not None:
        return "%s %s" % (event.verb, json.dumps(event.args[0]))
    if event.verb == "clipboard":
        return "clipboard empty"
    return " ".join([event.verb] + [str(a) for a in event.args if a != ""])


def parse_event(line):
    line = line.strip()
    if not line or line.startswith("#"):
        return None
    verb, _, rest = line.partition(" ")
    if verb in ("type", "clipboard"):
        if verb == "clipboard" and rest == "empty":
            return Event("clipboard", None)
        return Event(verb, json.loads(rest))
    words = rest.split()
    if verb == "key":
        return Event("key", words[0])
    if verb == "pause":
        return Event("pause", float(words[0]))
    numbers = [int(w) for w in words if w.lstrip("-").isdigit()]
    mods = next((w for w in words if not w.lstrip("-").isdigit()), "")
    return Event(verb, *numbers, mods) if verb in ("click", "drag", "wheel") else Event(verb, *numbers)


def read_script(path):
    """The clipboard text (None for an empty clipboard) and the events of a script."""
    clipboard, events = None, []
    with open(path, encoding="utf-8") as f:
        for line in f:
            event = parse_event(line)
            if event is None:
                continue
            if event.verb == "clipboard":
                clipboard = event.args[0]
            else:
                events.append(event)
    return clipboard, events


def write_script(path, clipboard, events, comments=()):
    with open(path, "w", encoding="utf-8") as f:
        for comment in comments:
            f.write("# %s\n" % comment)
        f.write(format_event(Event("clipboard", clipboard)) + "\n")
        for event in events:
            f.write(format_event(event) + "\n")


def mods_of(text):
    return [m for m in text.split("+") if m]


def send(event, screen, wait):
    """Sends one event to the display. `wait()` lets the program catch up (it
    returns False when the program stops answering); it runs after each step
    that the program has to see on its own, such as each move of a drag."""
    verb, a = event.verb, event.args
    if verb == "key":
        screen.key(a[0])
        return wait()
    if verb == "type":
        for char in a[0]:
            screen.type_char(char)
            if not wait():
                return False
        return True
    if verb == "pause":
        time.sleep(a[0])
        return wait()
    if verb == "move":
        screen.move(a[0], a[1])
        return wait()
    if verb in ("click", "double"):
        button, x, y = (a[0], a[1], a[2]) if verb == "click" else (1, a[0], a[1])
        mods = mods_of(a[3]) if verb == "click" and len(a) > 3 else []
        screen.move(x, y)
        screen.modifiers(mods, True)
        for _ in range(2 if verb == "double" else 1):
            screen.button(button, True)
            screen.button(button, False)
        screen.modifiers(mods, False)
        return wait()
    if verb == "drag":
        button, x1, y1, x2, y2 = a[:5]
        mods = mods_of(a[5]) if len(a) > 5 else []
        screen.move(x1, y1)
        screen.modifiers(mods, True)
        screen.button(button, True)
        ok = wait()
        steps = 6
        for i in range(1, steps + 1):
            if not ok:
                break
            screen.move(x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
            ok = wait()
        screen.button(button, False)
        screen.modifiers(mods, False)
        return wait() and ok
    if verb == "wheel":
        button, x, y, turns = a[:4]
        mods = mods_of(a[4]) if len(a) > 4 else []
        screen.move(x, y)
        screen.modifiers(mods, True)
        for _ in range(turns):
            screen.button(button, True)
            screen.button(button, False)
        screen.modifiers(mods, False)
        return wait()
    raise ValueError("unknown event %r" % verb)


def random_text(rng, length):
    pools = [ASCII_TEXT] * 6 + [PUNCTUATION] * 2 + [SPECIAL_CHARACTERS] * 2
    return "".join(rng.choice(rng.choice(pools)) for _ in range(length))


def clipboard_text(rng):
    """Text as a user copies it elsewhere: a few lines, with any kind of line break."""
    lines = [random_text(rng, rng.randint(1, 12)) for _ in range(rng.randint(1, 4))]
    return rng.choice(["\n", "\r\n", "\r"]).join(lines)


class RandomUser:
    """Chooses events at random over whatever the program shows: most pointer
    events land in its windows (the topmost most often), some anywhere on the
    screen; a drag starts on a border between controls half of the time."""

    def __init__(self, rng, screen, pid):
        self.rng, self.screen, self.pid = rng, screen, pid

    def text(self, length):
        return random_text(self.rng, length)

    def point(self, edges=False):
        windows = self.screen.windows(self.pid)
        rng = self.rng
        if windows and rng.random() < 0.92:
            w = windows[-1] if rng.random() < 0.75 else rng.choice(windows)
            x, y = w.x + rng.randrange(w.width), w.y + rng.randrange(w.height)
            if edges and rng.random() < 0.5:
                borders = self.screen.row_edges(max(0, w.x), max(0, y), w.width)
                if borders:
                    x = rng.choice(borders) + rng.choice([-1, 0, 0, 1])
        else:
            x, y = rng.randrange(self.screen.width), rng.randrange(self.screen.height)
        return max(0, min(self.screen.width - 1, x)), max(0, min(self.screen.height - 1, y))

    def next_event(self):
        rng = self.rng
        roll = rng.random()
        if roll < 0.36:
            pick = rng.random()
            if pick < 0.15:
                return Event("key", "alt+" + rng.choice(LETTERS))
            if pick < 0.20:
                return Event("key", "ctrl+" + rng.choice(LETTERS))
            return Event("key", rng.choice(KEYS))
        if roll < 0.48:
            return Event("type", self.text(rng.randint(1, 12)))
        if roll < 0.74:
            x, y = self.point()
            button = rng.choices([1, 3, 2], weights=[20, 5, 1])[0]
            return Event("click", button, x, y, rng.choice(MODIFIER_SETS))
        if roll < 0.80:
            return Event("double", *self.point())
        if roll < 0.88:
            x1, y1 = self.point(edges=True)
            if rng.random() < 0.5:
                x2, y2 = x1 + rng.randint(-300, 300), y1 + rng.randint(-30, 30)
            else:
                x2, y2 = self.point()
            x2 = max(0, min(self.screen.width - 1, x2))
            y2 = max(0, min(self.screen.height - 1, y2))
            return Event("drag", rng.choice([1, 1, 1, 3]), x1, y1, x2, y2, rng.choice(MODIFIER_SETS))
        if roll < 0.94:
            x, y = self.point()
            return Event("wheel", rng.choice([4, 5, 4, 5, 6, 7]), x, y, rng.randint(1, 5), rng.choice(MODIFIER_SETS))
        if roll < 0.98:
            return Event("move", *self.point())
        return Event("pause", round(rng.uniform(0.2, 1.5), 2))
