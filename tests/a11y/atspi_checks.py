"""Checks the screen-reader walk (atspi_walk.py) makes of every window: a
text carried with its event, a window presented as a window named for
what it is, and all the program's windows told apart."""

from atspi_support import *  # noqa: F401,F403  (the walk's vocabulary)


def check_text_carried(which, events, mark, source, text):
    """Orca speaks a description change with the text the event carries; an
    event that carries only the object's reference (all that Qt 6.4's own
    bridge sends) is not spoken."""
    carried = [e for e in events.since(mark) if same(e["source"], source) and e["carried"]]
    check(f"{which}: the announcement's event carries the text itself (Orca speaks only that)",
          any(e["value"] == text for e in carried),
          "events with text: " + ("; ".join(f"'{e['value']}'" for e in carried) or "none (only references)"))


def check_window_presented(window, which, expected):
    check(f"{which}: presented as a window named '{expected}'",
          role(window) in WINDOW_ROLES and name(window) == expected,
          f"role '{role(window)}', name '{name(window)}'")


def check_all_windows_presented(run, which):
    """Every window is a window whose name says which it is; no two alike."""
    names = []
    for window in run.windows():
        if role(window) in ("popup menu", "menu", "tool tip"):
            continue
        state = "shown" if showing(window) else "hidden"
        names.append(name(window))
        check(f"{which}: every top-level window ({state}) is a window named '{PROGRAM}: ...' for what it is",
              role(window) in WINDOW_ROLES and name(window) in WINDOW_NAMES,
              f"role '{role(window)}', name '{name(window)}'")
    check(f"{which}: the windows can be told apart by their names", len(set(names)) == len(names),
          "names: " + ", ".join(f"'{n}'" for n in names))
