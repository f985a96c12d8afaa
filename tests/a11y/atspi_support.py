"""What the screen-reader walk through Dealwright (atspi_walk.py) is made
of: checks that print PASS or FAIL, waiting on the accessibility bus,
reading the AT-SPI tree, recording its events, typing keys, and one run
of the real program with a settings file of its own."""

import os
import re
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

PROGRAM = "Dealwright"
# Each window's name: the product's caption and what the window is.
CHOOSER = "Dealwright: choose how to draw"
DRAW_WINDOW = "Dealwright: draw cards"
BATCH_WINDOW = "Dealwright: batch of cards"
FULL_SCREEN = "Dealwright: full screen"
TALLY_WINDOW = "Dealwright: tally of draws"
MANUAL_WINDOW = "Dealwright: manual"
WINDOW_NAMES = (CHOOSER, DRAW_WINDOW, BATCH_WINDOW, FULL_SCREEN, TALLY_WINDOW, MANUAL_WINDOW)
INSTRUCTION = "Press 'Space' to show next card, ESC to exit"

# The 52 cards in the program's order: entry "Card N" of the batch list is
# card N - 1.
RANKS = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King"]
SUITS = ["Spades", "Diamonds", "Clubs", "Hearts"]
CARDS = [f"{rank} of {suit}" for suit in SUITS for rank in RANKS]
CARD_SET = set(CARDS)

# X key symbols.
KEY_TAB = 0xFF09
KEY_SPACE = 0x0020
KEY_DOWN = 0xFF54
KEY_END = 0xFF57
KEY_HOME = 0xFF50
KEY_UP = 0xFF52
KEY_ESCAPE = 0xFF1B
KEY_F1 = 0xFFBE
KEY_F10 = 0xFFC7

# X modifier masks.
SHIFT = 1 << 0
ALT = 1 << 3

WINDOW_ROLES = ("frame", "window")
ANNOUNCEMENT = re.compile(r"^(.*)\. Cards drawn: (\d+)$")

failures = []


# ---------------------------------------------------------------- reporting

def check(title, ok, observed=""):
    """One check: a PASS or FAIL line; a failure makes the run fail."""
    line = ("PASS" if ok else "FAIL") + ": " + title
    if observed:
        line += " -- " + observed
    print(line, flush=True)
    if not ok:
        failures.append(title)
    return ok


def note(text):
    print("  " + text, flush=True)


# ---------------------------------------------------------------- waiting

def pump(seconds=0.0):
    """Delivers the bus's pending events (and waits up to `seconds`)."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


def wait_for(condition, timeout=5.0):
    """Polls `condition` (events delivered in between) until it returns a
    true value or `timeout` seconds pass; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(0.05)


# ---------------------------------------------------------------- the tree

def safe(call, default=None):
    try:
        return call()
    except GLib.Error:
        return default


def role(obj):
    return safe(obj.get_role_name, "?")


def name(obj):
    return safe(obj.get_name, "?")


def description(obj):
    return safe(obj.get_description, "?")


def has_state(obj, state):
    states = safe(obj.get_state_set)
    return bool(states and states.contains(state))


def showing(obj):
    return has_state(obj, Atspi.StateType.SHOWING)


def children(obj):
    count = safe(obj.get_child_count, 0)
    found = []
    for i in range(count):
        child = safe(lambda: obj.get_child_at_index(i))
        if child is not None:
            found.append(child)
    return found


def walk(root):
    yield root
    for child in children(root):
        yield from walk(child)


def find_all(root, role_name=None, name_is=None, only_showing=False):
    return [o for o in walk(root)
            if (role_name is None or role(o) == role_name)
            and (name_is is None or name(o) == name_is)
            and (not only_showing or showing(o))]


def find(root, role_name=None, name_is=None, only_showing=False):
    found = find_all(root, role_name, name_is, only_showing)
    return found[0] if found else None


def describe(obj):
    if obj is None:
        return "nothing"
    return f"{role(obj)} '{name(obj)}'"


def same(a, b):
    """The same object of the tree (two proxies of one object compare
    equal: the program gives each object one path)."""
    if a is None or b is None:
        return False
    return a.path == b.path


ITEM_ROLES = ("table cell", "list item", "tree item")
VIEW_ROLES = ("tree", "list", "table", "tree table", "list box")


def focused(window):
    """The object inside `window` (the window itself included) that has the
    keyboard focus, or None. An entry of a list counts only while its list
    holds the focus (Qt marks the current entry focused either way)."""
    def visit(obj, inside_focused_view):
        is_focused = has_state(obj, Atspi.StateType.FOCUSED)
        if role(obj) in ITEM_ROLES and not inside_focused_view:
            is_focused = False
        best = obj if is_focused else None
        for child in children(obj):
            deeper = visit(child, inside_focused_view or (is_focused and role(obj) in VIEW_ROLES))
            if deeper is not None:
                best = deeper
        return best
    return visit(window, False)


def is_control(role_name, name_is):
    return lambda obj: role(obj) == role_name and name(obj) == name_is


def focused_text_fields(window):
    return [o for o in walk(window)
            if has_state(o, Atspi.StateType.EDITABLE) and has_state(o, Atspi.StateType.FOCUSED)]


def card_images(window, card_set=CARD_SET):
    """The names of the showing objects of `window` named as a card."""
    return [name(o) for o in walk(window) if name(o) in card_set and showing(o) and role(o) not in ITEM_ROLES]


# ---------------------------------------------------------------- events

class Events:
    """Records the events of the given types from the moment it is made;
    each is kept with what its source said when it came."""

    def __init__(self, *types):
        self.seen = []
        self.listener = Atspi.EventListener.new(self._on_event)
        for event_type in types:
            self.listener.register(event_type)

    def _on_event(self, event, *unused):
        source = event.source
        value = event.any_data
        # The new text travels with the event, or (Qt 6.4 sends the
        # object's reference instead) is read from the object at once.
        carried = isinstance(value, str)
        if not carried and source is not None:
            value = description(source) if event.type.endswith("accessible-description") else name(source)
        self.seen.append({
            "type": event.type,
            "source": source,
            "role": role(source) if source else "?",
            "name": name(source) if source else "?",
            "value": value,
            "carried": carried,
        })

    def mark(self):
        pump()
        return len(self.seen)

    def since(self, mark):
        pump()
        return self.seen[mark:]

    def wait(self, mark, match, timeout=5.0):
        """The first event after `mark` for which `match` holds, or None."""
        def first():
            return next((e for e in self.seen[mark:] if match(e)), None)
        return wait_for(first, timeout)


# ---------------------------------------------------------------- the program

def press(keysym):
    Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
    pump()


class Run:
    """One start of the program from a settings file holding `settings`."""

    def __init__(self, program, title, settings, environment=None):
        self.title = title
        self.home = tempfile.TemporaryDirectory(prefix="dealwright-a11y-")
        config = os.path.join(self.home.name, "config")
        os.makedirs(config)
        self.output = os.path.join(self.home.name, "out")
        os.makedirs(self.output)
        with open(os.path.join(config, "Marrowfen.ini"), "w", encoding="utf-8") as f:
            f.write("[Dealwright]\n")
            f.write(f"Text2={self.output}\n")
            for key, value in settings.items():
                f.write(f"{key}={value}\n")
        env = dict(os.environ)
        env["XDG_CONFIG_HOME"] = config
        for variable, value in (environment or {}).items():
            if value is None:
                env.pop(variable, None)
            else:
                env[variable] = value
        self.errors = open(os.path.join(self.home.name, "stderr"), "w+", encoding="utf-8")
        print(f"--- {title}", flush=True)
        self.process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=self.errors)
        self.app = None
        self.seen_messages = 0

    def application(self):
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            if safe(app.get_process_id) == self.process.pid:
                return app
        return None

    def windows(self):
        return children(self.app) if self.app else []

    def showing_windows(self):
        return [w for w in self.windows() if showing(w)]

    def wait_window(self, timeout=30.0, other_than=()):
        """Waits for the program on the bus and a showing top-level window
        (not one of `other_than`); returns it or None."""
        def ready():
            if self.process.poll() is not None:
                return None
            if self.app is None:
                self.app = self.application()
                if self.app is not None:
                    # Every read goes to the program: states change under us.
                    self.app.set_cache_mask(Atspi.Cache.NONE)
            for window in self.showing_windows():
                if not any(same(window, o) for o in other_than):
                    return window
            return None
        window = wait_for(ready, timeout)
        if window is None:
            note(f"no window appeared (program {'ended' if self.process.poll() is not None else 'running'})")
            self.show_errors()
        return window

    def wait_active(self, window, timeout=10.0):
        return wait_for(lambda: has_state(window, Atspi.StateType.ACTIVE), timeout)

    def focus_by_tab(self, window, wanted, presses=16):
        """Tabs until `wanted(focused object)` holds (as a keyboard user gets
        there); True when it got there."""
        def there():
            f = focused(window)
            return f is not None and wanted(f)
        if there():
            return True
        for _ in range(presses):
            before = describe(focused(window))
            press(KEY_TAB)
            if wait_for(there, 0.5):
                return True
            wait_for(lambda: describe(focused(window)) != before, 2.0)
        return there()

    def show_errors(self):
        self.errors.flush()
        self.errors.seek(0)
        text = self.errors.read().strip()
        if text:
            note("the program said: " + text.replace("\n", "\n    "))

    def messages(self):
        """The message boxes the program has shown so far (logged, not shown)."""
        self.errors.flush()
        self.errors.seek(0)
        return [line.strip() for line in self.errors if line.startswith("message:")]

    def log_lines(self, prefix):
        """The lines of the program's log (standard error) that start with `prefix`."""
        self.errors.flush()
        self.errors.seek(0)
        return [line.strip() for line in self.errors if line.startswith(prefix)]

    def take_messages(self):
        """The message boxes shown since the last call: they were expected."""
        shown = self.messages()
        new = shown[self.seen_messages:]
        self.seen_messages = len(shown)
        return new

    def finish(self):
        unexpected = self.take_messages()
        check(f"{self.title}: no unexpected message box", not unexpected, " | ".join(unexpected))
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.errors.close()
        self.home.cleanup()
