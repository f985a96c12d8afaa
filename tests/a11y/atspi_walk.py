#!/usr/bin/python3
"""Dealwright as a screen reader meets it.

Starts the real program several times (each with a settings file of its
own) and reads its windows through the accessibility bus (AT-SPI), the way
Orca does: the roles and names of the windows and controls, where the focus
is when a window opens, the announcement of a drawn card (in English, and
in German and French with the program started in those languages), the
preview that follows the keyboard in the batch list, the menus opened and
chosen from the keyboard, the tally of draws and its "Draw 1000" announced
once. Keys are typed through the
accessibility registry (XTest underneath), so they reach the program as a
user's keys do.

    atspi_walk.py DEALWRIGHT

Run it inside an X server and a session bus (atspi.sh does both). Prints
one PASS or FAIL line per check; the exit status is 1 when any check failed.
"""

import os
import sys

from atspi_support import *  # noqa: F401,F403  (the walk's vocabulary)
from atspi_checks import *  # noqa: F401,F403
from atspi_menus import MENU_ITEM_ROLES, menus_and_tally, press_with  # noqa: E402
from atspi_batch import batch_window  # noqa: E402
from atspi_draw import draw_window, draw_window_in  # noqa: E402
from atspi_language import Language  # noqa: E402

# ---------------------------------------------------------------- the walks

def main_window(program):
    focus = Events("object:state-changed:focused")
    run = Run(program, "chooser", {})
    try:
        window = run.wait_window()
        if not check("chooser: opens", window is not None):
            return
        run.wait_active(window)
        check_all_windows_presented(run, "chooser")
        check_window_presented(window, "chooser", CHOOSER)

        # The window itself holds the first focus: a screen reader presents
        # the window, no edit box (there is none to type into) and no button.
        def on_window():
            return same(focused(window), window) and has_state(window, Atspi.StateType.ACTIVE)
        settled = wait_for(on_window, 3.0)
        f = focused(window)
        check("chooser: at opening the focus is on the window itself",
              bool(settled), f"focused: {describe(f)}; window states: "
              f"{'focused' if has_state(window, Atspi.StateType.FOCUSED) else 'not focused'}, "
              f"{'active' if has_state(window, Atspi.StateType.ACTIVE) else 'not active'}")
        fields = focused_text_fields(window)
        check("chooser: no text field has the focus at opening", not fields,
              "focused text fields: " + ", ".join(describe(o) for o in fields) if fields else "")

        press(KEY_TAB)
        new_method = wait_for(lambda: (lambda f: f if f is not None and role(f) == "push button"
                                       and name(f) == "New Method" else None)(focused(window)), 3.0)
        check("chooser: Tab puts the focus on the push button 'New Method'",
              new_method is not None, f"focused: {describe(focused(window))}")

        # The buttons say what they open.
        old_method = find(window, "push button", "Old Method")
        check("chooser: 'New Method' is described as opening the draw window",
              new_method is not None and "draw window" in description(new_method),
              f"description: '{description(new_method) if new_method else ''}'")
        check("chooser: 'Old Method' is described as opening the batch window",
              old_method is not None and "batch window" in description(old_method),
              f"description: '{description(old_method) if old_method else ''}'")

        # Shift+F10: the context menu with the Help entries; A: the About box.
        # A popup menu is no child of the program's root: a screen reader
        # meets it through the focus of its entries (Down selects the first).
        mark = focus.mark()
        press_with(SHIFT, KEY_F10)
        press(KEY_DOWN)
        first = focus.wait(mark, lambda e: e["role"] in MENU_ITEM_ROLES, 5.0)
        menu = safe(first["source"].get_parent) if first else None
        names = [name(o) for o in children(menu) if role(o) in MENU_ITEM_ROLES] if menu else []
        check("chooser: Shift+F10 shows the entries Manual, About Dealwright and About Qt",
              first is not None and first["name"] == "Manual" and names == ["Manual", "About Dealwright", "About Qt"],
              f"first entry focused: {first['name'] if first else 'none'}; entries: {names}")
        if first is None:
            press(KEY_ESCAPE)
        else:
            press(ord("a"))
            about = wait_for(lambda: [m for m in run.messages() if m.startswith("message: [About Dealwright]")], 5.0)
            check("chooser: A in the context menu shows the About box", bool(about),
                  "the program said: " + (" | ".join(run.messages()) or "nothing"))
            check("chooser: the About box names the version, the licence and the authors",
                  bool(about) and "Dealwright 1.0.0" in about[0] and "MIT licence" in about[0]
                  and "The Dealwright authors" in about[0], about[0] if about else "")
            run.take_messages()
        new_method = wait_for(lambda: (lambda f: f if f is not None and role(f) == "push button"
                                       and name(f) == "New Method" else None)(focused(window)), 3.0)
        check("chooser: the focus is back on 'New Method' after the menu",
              new_method is not None, f"focused: {describe(focused(window))}")

        # The chooser's button, pressed from the keyboard, opens the draw
        # window: also a window named after the program.
        if new_method is not None:
            press(KEY_SPACE)
            draw = run.wait_window(10.0, other_than=[window])
            if check("chooser: Space on 'New Method' opens the draw window", draw is not None,
                     "showing: " + ", ".join(describe(w) for w in run.showing_windows())):
                check_all_windows_presented(run, "draw window from the chooser")
    finally:
        run.finish()


def main():
    if len(sys.argv) != 2:
        print("usage: atspi_walk.py DEALWRIGHT", file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    Atspi.init()
    # The registry must answer before anything else: the bus is up.
    if wait_for(lambda: Atspi.get_desktop(0) is not None, 10.0) is None:
        print("FAIL: the accessibility registry does not answer", flush=True)
        return 1
    for walk_through in (main_window, draw_window, menus_and_tally, batch_window):
        walk_through(program)
    for code, locale in (("de", "de_DE.UTF-8"), ("fr", "fr_FR.UTF-8")):
        draw_window_in(program, Language(code, locale))
    print(f"{len(failures)} check(s) failed" if failures else "all checks passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
