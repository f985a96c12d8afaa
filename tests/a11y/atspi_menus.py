"""The menus of Dealwright as a screen reader meets them (part of
atspi_walk.py): keys with modifiers, the entries of the open menus, the
keys an entry announces, and the walk through the draw window's menus to
the tally of draws and its "Draw 1000"."""

from atspi_support import *  # noqa: F401,F403  (the walk's vocabulary)
from atspi_checks import *  # noqa: F401,F403


def press_with(modifiers, keysym):
    """The key with the modifiers (SHIFT, ALT) held."""
    Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.LOCKMODIFIERS)
    try:
        Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
    finally:
        Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.UNLOCKMODIFIERS)
    pump()


MENU_ITEM_ROLES = ("menu item", "check menu item", "radio menu item")


def showing_menu_items(run):
    """The entries of the menus open now (a menu bar's titles are not
    counted), in any of the program's windows and popups."""
    found = []
    for window in run.windows():
        for obj in walk(window):
            if role(obj) in MENU_ITEM_ROLES and showing(obj):
                parent = safe(obj.get_parent)
                if parent is None or role(parent) != "menu bar":
                    found.append(obj)
    return found


def key_binding(obj):
    """What the entry's action says its keys are ("" when nothing)."""
    try:
        return obj.get_key_binding(0) or ""
    except (GLib.Error, AttributeError, TypeError):
        return ""


MENUS = (
    ("File", ord("f"), ["Save History...", "Close"]),
    ("View", ord("v"), ["Tally of Draws", "Show Cards On Full Screen", "Card Design"]),
    ("Help", ord("h"), ["Manual", "About Dealwright", "About Qt"]),
)


def menus_and_tally(program):
    events = Events("object:property-change:accessible-description")
    run = Run(program, "menus and tally", {"Form3Start": "2", "Option1": "False", "Option2": "True"})
    try:
        window = run.wait_window()
        if not check("menus: the draw window opens at start", window is not None):
            return
        run.wait_active(window)
        wait_for(lambda: focused(window) is not None and name(focused(window)) == "Show Next Card", 3.0)

        # Each menu opens with Alt and its letter; its entries are named,
        # each with its own letter, and Esc closes it again.
        bar = find(window, "menu bar")
        titles = [name(o) for o in children(bar)] if bar else []
        check("menus: the draw window's menu bar holds File, View and Help",
              titles == ["File", "View", "Help"], f"menu bar: {titles}")
        for title, letter, expected in MENUS:
            press_with(ALT, letter)
            items = wait_for(lambda: showing_menu_items(run), 5.0) or []
            names = [name(o) for o in items]
            check(f"menus: Alt+{chr(letter).upper()} opens {title} with the entries {expected}",
                  names == expected, f"entries shown: {names}")
            bindings = [key_binding(o) for o in items]
            letters = [b for b in bindings if b]
            check(f"menus: every entry of {title} has keys of its own for screen readers",
                  len(letters) == len(items) and len(set(letters)) == len(letters),
                  "keys: " + ", ".join(f"'{n}': '{b}'" for n, b in zip(names, bindings)))
            press(KEY_ESCAPE)
            press(KEY_ESCAPE)
            closed = wait_for(lambda: not showing_menu_items(run), 5.0)
            check(f"menus: Esc closes {title}", bool(closed))

        # F1: the manual page through the desktop.
        run.wait_active(window)
        press(KEY_F1)
        opened = wait_for(lambda: run.log_lines("web: "), 5.0) or []
        check("menus: F1 opens the manual page man:dealwright(1) through the desktop",
              opened == ["web: man:dealwright(1)"], f"opened: {opened}")

        # View > Tally of Draws from the keyboard.
        press_with(ALT, ord("v"))
        wait_for(lambda: showing_menu_items(run), 5.0)
        press(ord("t"))
        tally = wait_for(lambda: next((w for w in run.showing_windows() if name(w) == PROGRAM + ": tally of draws"),
                                      None), 10.0)
        if not check("tally: Alt+V, T opens the window 'Dealwright: tally of draws'", tally is not None,
                     "showing: " + ", ".join(describe(w) for w in run.showing_windows())):
            return
        check("tally: its figures are read ('Draws since the last reset: 0')",
              find(tally, None, "Draws since the last reset: 0") is not None)
        run.wait_active(tally)

        # Draw 1000 from the keyboard: the count follows, and the draw is
        # said once, with its last card and count.
        if not check("tally: Tab reaches 'Draw 1000'",
                     run.focus_by_tab(tally, is_control("push button", "Draw 1000"), presses=30),
                     f"focused: {describe(focused(tally))}"):
            return
        button = focused(tally)
        mark = events.mark()
        press(KEY_SPACE)
        done = wait_for(lambda: find(tally, None, "Draws since the last reset: 1000"), 20.0)
        check("tally: Space on 'Draw 1000' adds a thousand draws", done is not None)
        check("tally: the draw window counts them ('Cards drawn: 1000')",
              find(window, "label", "Cards drawn: 1000") is not None,
              "labels: " + ", ".join(describe(o) for o in find_all(window, "label")))
        announced = events.wait(mark, lambda e: same(e["source"], button) and ANNOUNCEMENT.match(e["value"] or ""), 10.0)
        pump(0.5)
        said = {e["value"] for e in events.since(mark) if ANNOUNCEMENT.match(e["value"] or "")}
        match = ANNOUNCEMENT.match(announced["value"]) if announced else None
        check("tally: the thousand draws are announced once, on 'Draw 1000', as '<card>. Cards drawn: 1000'",
              match is not None and match.group(1) in CARD_SET and match.group(2) == "1000" and len(said) == 1,
              f"announcements: {sorted(said)}")
        check_all_windows_presented(run, "with the tally window")
    finally:
        run.finish()
