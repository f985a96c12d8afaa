"""The screen-reader walk through the batch window (atspi_walk.py): its
names, the focus after a generation, and the preview that follows the
keyboard in its list."""

from atspi_support import *  # noqa: F401,F403  (the walk's vocabulary)
from atspi_checks import *  # noqa: F401,F403
from atspi_menus import MENU_ITEM_ROLES, menus_and_tally, press_with  # noqa: E402


def entry_card(entry_name):
    """The card an entry of the batch list stands for, heard as "Card N,
    <card>": entry N is card N - 1, and the name says that very card."""
    m = re.fullmatch(r"Card (\d+), (.+)", entry_name)
    if m and 1 <= int(m.group(1)) <= 52 and CARDS[int(m.group(1)) - 1] == m.group(2):
        return m.group(2)
    return None


def batch_window(program):
    count = 12
    names = Events("object:property-change:accessible-name")
    run = Run(program, "batch window", {"Form3Start": "3", "Number%20Of%20Cards": str(count)})
    try:
        window = run.wait_window()
        if not check("batch window: opens at start (Form3Start=3)", window is not None):
            return
        run.wait_active(window)
        check_all_windows_presented(run, "batch window")
        check_window_presented(window, "batch window", BATCH_WINDOW)
        back = [name(b) for b in find_all(window, "push button") if "Back" in name(b)]
        check("batch window: '< Back' is heard as 'Back'", back == ["Back"], f"push buttons: {back}")
        headers = [name(h) for h in walk(window) if "header" in role(h) and name(h)]
        check("batch window: the list's header is heard as 'Cards generated'",
              "Cards generated" in headers and "Card/s Generated" not in headers, f"headers: {headers}")

        def on_start():
            f = focused(window)
            return f is not None and role(f) == "push button" and name(f) == "Start Generate Random Playing Cards"
        wait_for(on_start, 3.0)
        check("batch window: at opening the focus is on 'Start Generate Random Playing Cards'", on_start(),
              f"focused: {describe(focused(window))}")
        fields = focused_text_fields(window)
        check("batch window: the count box does not have the focus at opening", not fields,
              "focused text fields: " + ", ".join(describe(o) for o in fields) if fields else "")

        # Names.
        folder = find(window, "push button", "Choose the output folder")
        check("batch window: the '...' button is named 'Choose the output folder'",
              folder is not None and find(window, "push button", "...") is None,
              "push buttons: " + ", ".join(f"'{name(b)}'" for b in find_all(window, "push button")))
        views = [o for o in walk(window) if role(o) in VIEW_ROLES]
        check("batch window: the list is named 'Generated cards'",
              len(views) == 1 and name(views[0]) == "Generated cards",
              "lists: " + (", ".join(describe(v) for v in views) or "none"))
        bars = find_all(window, "progress bar")
        check("batch window: the progress bar is named 'Generation progress'",
              len(bars) == 1 and name(bars[0]) == "Generation progress",
              "progress bars: " + (", ".join(describe(b) for b in bars) or "none"))
        if len(views) != 1:
            return
        view = views[0]
        preview_area = find(window, "panel", "Preview")
        preview_parts = [o for o in children(preview_area)] if preview_area else []
        if not check("batch window: the preview is one object in the 'Preview' frame", len(preview_parts) == 1,
                     "in the frame: " + (", ".join(describe(o) for o in preview_parts) or "nothing")):
            return
        preview = preview_parts[0]

        def entries():
            return [o for o in children(view) if role(o) in ITEM_ROLES]

        def selected_entries():
            return [o for o in entries() if has_state(o, Atspi.StateType.SELECTED)]

        # Start from the keyboard. The generation selects the first entry
        # but shows no card: the preview keeps its name.
        if not run.focus_by_tab(window, is_control("push button", "Start Generate Random Playing Cards")):
            check("batch window: the keyboard reaches the Start button", False, f"focused: {describe(focused(window))}")
            return
        preview_before = name(preview)
        mark = names.mark()
        press(KEY_SPACE)
        done = wait_for(lambda: len(entries()) == count and len(selected_entries()) == 1
                        and bars and safe(lambda: bars[0].get_current_value(), -1) == 0, 30.0)
        listed = [name(o) for o in entries()]
        if not check(f"batch window: Space on Start lists {count} entries, the first selected", bool(done),
                     f"entries: {listed}; selected: {[name(o) for o in selected_entries()]}"):
            return
        cards = [entry_card(n) for n in listed]
        check("batch window: every entry is heard as 'Card N, <its card>', all different",
              None not in cards and len(set(cards)) == count, f"entries: {listed}")

        # The focus stays on Start, and nothing else says it has it.
        claimed = [name(o) for o in walk(window) if has_state(o, Atspi.StateType.FOCUSED)]
        check("batch window: after Start only the Start button says it has the focus",
              claimed == ["Start Generate Random Playing Cards"], f"objects that say they are focused: {claimed}")
        # Down goes to the list below Start; Space there leaves the count.
        count_box = find(window, "text", "Number To Generate")
        press(KEY_DOWN)
        into_list = wait_for(lambda: (lambda f: f if f is not None and role(f) in ITEM_ROLES else None)(
            focused(window)), 5.0)
        check("batch window: Down from Start goes into the list, onto its first entry",
              into_list is not None and name(into_list) == listed[0], f"focused: {describe(focused(window))}")
        press(KEY_SPACE)
        pump(0.3)
        text = safe(lambda: count_box.get_text(0, -1)) if count_box else None
        check("batch window: Down then Space leave the count box as it was ('12')", text == str(count),
              f"count box: {text!r}")
        preview_after = name(preview)
        changes = [e["value"] for e in names.since(mark) if same(e["source"], preview)]
        check("batch window: the generation leaves the preview as it was (no card named)",
              preview_after == preview_before and preview_after not in CARD_SET and not changes,
              f"preview before: '{preview_before}', after: '{preview_after}'; its name changes: {changes}")

        # Into the list with Tab, then along it with the arrow keys: the
        # preview follows the selected entry each time.
        def in_list(f):
            return same(f, view) or (role(f) in ITEM_ROLES and same(safe(f.get_parent), view))
        if not check("batch window: Tab reaches the list", run.focus_by_tab(window, in_list),
                     f"focused: {describe(focused(window))}"):
            return

        expected_rows = {"Down": 1, "End": count - 1, "Home": 0}
        for key_name, keysym in (("Down", KEY_DOWN), ("End", KEY_END), ("Home", KEY_HOME)):
            row = expected_rows[key_name]
            press(keysym)
            moved = wait_for(lambda: (lambda s: s if len(s) == 1 and name(s[0]) == listed[row] else None)(
                selected_entries()), 10.0)
            if not check(f"batch window: {key_name} selects entry {row + 1} ('{listed[row]}')", moved is not None,
                         f"selected: {[name(o) for o in selected_entries()]}"):
                continue
            expected = cards[row]
            shown = wait_for(lambda: name(preview) == expected, 10.0)
            check(f"batch window: after {key_name} the preview is named '{expected}'", bool(shown),
                  f"preview: {describe(preview)}")

        # The entry's number names the card: the selected entry saved as
        # "Card N.bmp" is card N - 1, the card the preview is named after.
        save = find(window, "push button", "Save Selected Card As Image")
        if not check("batch window: has 'Save Selected Card As Image'", save is not None):
            return
        previewed = name(preview)
        run.take_messages()
        save.do_action(0)
        files = wait_for(lambda: [f for f in os.listdir(run.output) if f.endswith(".bmp")], 10.0) or []
        saved = [int(m.group(1)) for m in (re.fullmatch(r"Card (\d+)\.bmp", f) for f in files) if m]
        # The save ends with its message box ("Done.").
        wait_for(lambda: len(run.messages()) > run.seen_messages, 5.0)
        said = run.take_messages()
        if check("batch window: the selected entry is saved as one file 'Card N.bmp'",
                 len(files) == 1 and len(saved) == 1 and 1 <= saved[0] <= 52,
                 f"files: {files}; the program said: {' | '.join(said) or 'nothing'}"):
            check(f"batch window: the preview names the card of the saved entry (Card {saved[0]})",
                  previewed == CARDS[saved[0] - 1],
                  f"preview: '{previewed}', Card {saved[0]} is '{CARDS[saved[0] - 1]}'")
    finally:
        run.finish()
