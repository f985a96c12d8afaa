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
from atspi_menus import MENU_ITEM_ROLES, menus_and_tally, press_with  # noqa: E402

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


def draw_window(program):
    # Registered before the program starts, so that its bridge knows from
    # the start that someone listens.
    events = Events("object:property-change:accessible-description")
    run = Run(program, "draw window", {"Form3Start": "2", "Option1": "True", "Option2": "False"})
    try:
        window = run.wait_window()
        if not check("draw window: opens at start (Form3Start=2)", window is not None):
            return
        run.wait_active(window)
        check_all_windows_presented(run, "draw window")
        check_window_presented(window, "draw window", DRAW_WINDOW)
        back = [name(b) for b in find_all(window, "push button") if "Back" in name(b)]
        check("draw window: '< Back' is heard as 'Back'", back == ["Back"], f"push buttons: {back}")

        def on_draw_button():
            f = focused(window)
            return f is not None and role(f) == "push button" and name(f) == "Show Next Card"
        wait_for(on_draw_button, 3.0)
        check("draw window: at opening the focus is on the push button 'Show Next Card'",
              on_draw_button(), f"focused: {describe(focused(window))}")

        # Names.
        folder = find(window, "push button", "Choose the output folder")
        buttons = [name(b) for b in find_all(window, "push button")]
        check("draw window: the '...' button is named 'Choose the output folder'",
              folder is not None and find(window, "push button", "...") is None,
              "push buttons: " + ", ".join(f"'{b}'" for b in buttons))
        card_area = find(window, None, "Card Area") or window
        pile = find(card_area, None, "Deck", only_showing=True)
        shown = [describe(o) for o in walk(card_area) if showing(o) and not same(o, card_area)]
        check("draw window: the deck pile is named 'Deck'", pile is not None,
              "shown in the card area: " + ", ".join(shown))

        # A draw from the keyboard: the count and the card are announced as
        # a description change of the focused button; the focus stays.
        if not run.focus_by_tab(window, is_control("push button", "Show Next Card")):
            check("draw window: the keyboard reaches 'Show Next Card'", False,
                  f"focused: {describe(focused(window))}")
            return
        button = focused(window)
        cards_before = set(card_images(window))
        mark = events.mark()
        press(KEY_SPACE)
        count_label = wait_for(lambda: find(window, "label", "Cards drawn: 1"), 10.0)
        check("draw window: Space on 'Show Next Card' draws a card ('Cards drawn: 1')", count_label is not None,
              "labels: " + ", ".join(describe(o) for o in find_all(window, "label")))
        new_cards = wait_for(lambda: set(card_images(window)) - cards_before, 3.0) or set()
        check("draw window: the drawn card's image is named as the card it shows", len(new_cards) == 1,
              "new images named as cards: " + (", ".join(sorted(new_cards)) or "none")
              + "; shown in the card area: "
              + ", ".join(describe(o) for o in walk(card_area) if showing(o) and not same(o, card_area)))
        drawn = next(iter(new_cards)) if len(new_cards) == 1 else None

        announced = events.wait(mark, lambda e: same(e["source"], button) and ANNOUNCEMENT.match(e["value"] or ""), 10.0)
        everything = events.since(mark)
        heard = "; ".join(f"{e['role']} '{e['name']}': '{e['value']}'" for e in everything) or "no description change"
        expected_text = f"{drawn}. Cards drawn: 1" if drawn else None
        match = ANNOUNCEMENT.match(announced["value"]) if announced else None
        check("draw window: the draw is announced on the focused 'Show Next Card' as '<card>. Cards drawn: 1'",
              announced is not None and match is not None and match.group(1) in CARD_SET
              and match.group(2) == "1" and (expected_text is None or announced["value"] == expected_text),
              f"heard: {heard}; drawn card shown: {drawn}")
        if announced is not None:
            check_text_carried("draw window", events, mark, button, announced["value"])
        check("draw window: the focus stays on 'Show Next Card' after the draw", on_draw_button(),
              f"focused: {describe(focused(window))}")

        # The full-screen view: Space draws there too, announced on the full-screen view window.
        full = find(window, "push button", "Show Cards On Full Screen")
        if not check("draw window: has 'Show Cards On Full Screen'", full is not None):
            return
        mark = events.mark()
        full.do_action(0)
        full_screen = run.wait_window(10.0, other_than=[window])
        if not check("full-screen view: opens from 'Show Cards On Full Screen'", full_screen is not None,
                     "showing: " + ", ".join(describe(w) for w in run.showing_windows())):
            return
        check_window_presented(full_screen, "full-screen view", FULL_SCREEN)
        if not run.wait_active(full_screen):
            note("the full-screen view is not active: keys may not reach it")
        said = events.wait(mark, lambda e: same(e["source"], full_screen) and e["carried"]
                           and e["value"] == INSTRUCTION, 10.0)
        check("full-screen view: opening, it says its instruction (the event carries the text)", said is not None,
              "heard: " + ("; ".join(f"{e['role']} '{e['name']}': '{e['value']}'" for e in events.since(mark))
                           or "nothing"))
        viewer_before = set(card_images(full_screen))
        mark = events.mark()
        press(KEY_SPACE)
        viewer_count = wait_for(lambda: find(full_screen, "label", "Cards drawn: 2"), 10.0)
        check("full-screen view: Space draws the next card ('Cards drawn: 2')", viewer_count is not None,
              "labels: " + ", ".join(describe(o) for o in find_all(full_screen, "label")))
        new_cards = wait_for(lambda: set(card_images(full_screen)) - viewer_before, 3.0) or set()
        drawn = next(iter(new_cards)) if len(new_cards) == 1 else None
        announced = events.wait(mark, lambda e: same(e["source"], full_screen) and ANNOUNCEMENT.match(e["value"] or ""), 10.0)
        everything = events.since(mark)
        heard = "; ".join(f"{e['role']} '{e['name']}': '{e['value']}'" for e in everything) or "no description change"
        match = ANNOUNCEMENT.match(announced["value"]) if announced else None
        check("full-screen view: the draw is announced on the full-screen view window as '<card>. Cards drawn: 2'",
              announced is not None and announced["role"] in WINDOW_ROLES and announced["name"] == FULL_SCREEN
              and match is not None and match.group(1) in CARD_SET and match.group(2) == "2"
              and (drawn is None or match.group(1) == drawn),
              f"heard: {heard}; new card shown in the full-screen view: {drawn}")
        if announced is not None:
            check_text_carried("full-screen view", events, mark, full_screen, announced["value"])
        f = focused(full_screen)
        check("full-screen view: the focus stays on the full-screen view window after the draw",
              (f is None or same(f, full_screen)) and has_state(full_screen, Atspi.StateType.ACTIVE),
              f"focused: {describe(f)}; full-screen view {'active' if has_state(full_screen, Atspi.StateType.ACTIVE) else 'not active'}")
        check_all_windows_presented(run, "with the full-screen view")
        last_draw = announced["value"] if announced else None

        # Esc back to the draw window: the button that said the first draw
        # now tells of the full-screen view's draw.
        press(KEY_ESCAPE)
        if not check("full-screen view: Esc shows the draw window again", run.wait_active(window)):
            return
        button = find(window, "push button", "Show Next Card")
        check("draw window: after draws in the full-screen view 'Show Next Card' tells the draw as it stands",
              button is not None and last_draw is not None and description(button) == last_draw,
              f"its description: '{description(button) if button else None}'; the last draw: '{last_draw}'")
        draw_window_resets(run, window, events)
    finally:
        run.finish()


def draw_window_resets(run, window, events):
    """Reset and a change of mode from the keyboard are heard, and what the
    buttons say afterwards is the draw as it stands."""
    if not run.focus_by_tab(window, is_control("push button", "Reset")):
        check("draw window: the keyboard reaches 'Reset'", False, f"focused: {describe(focused(window))}")
        return
    reset = focused(window)
    mark = events.mark()
    press(KEY_SPACE)
    cleared = wait_for(lambda: find(window, "label", "Cards drawn: 0"), 10.0)
    check("draw window: Space on 'Reset' resets ('Cards drawn: 0')", cleared is not None)
    heard = events.wait(mark, lambda e: same(e["source"], reset) and e["carried"], 10.0)
    check("draw window: the reset is heard on 'Reset' as 'Reset. No cards drawn'",
          heard is not None and heard["value"] == "Reset. No cards drawn",
          "heard: " + ("; ".join(f"{e['role']} '{e['name']}': '{e['value']}'" for e in events.since(mark)) or "nothing"))
    button = find(window, "push button", "Show Next Card")
    check("draw window: after the reset 'Show Next Card' says 'No cards drawn'",
          button is not None and description(button) == "No cards drawn",
          f"its description: '{description(button) if button else None}'")

    # Down in the mode group chooses the other mode: a reset, heard with
    # the mode's caption on the option that has the focus then.
    first = "Show next card and do not put back in deck"
    second = "Show next card and then put it back in deck to be possibly selected again"
    if not run.focus_by_tab(window, is_control("radio button", first)):
        check("draw window: the keyboard reaches the first mode", False, f"focused: {describe(focused(window))}")
        return
    mark = events.mark()
    press(KEY_DOWN)
    other = wait_for(lambda: (lambda f: f if f is not None and name(f) == second else None)(focused(window)), 5.0)
    check("draw window: Down in the mode group moves to the other mode", other is not None,
          f"focused: {describe(focused(window))}")
    expected = f"{second}. Reset. No cards drawn"
    heard = events.wait(mark, lambda e: e["carried"] and e["value"] == expected, 10.0)
    check("draw window: the change of mode is heard as '<mode>. Reset. No cards drawn' on the chosen option",
          heard is not None and other is not None and same(heard["source"], other),
          "heard: " + ("; ".join(f"{e['role']} '{e['name']}': '{e['value']}'" for e in events.since(mark)) or "nothing"))
    check("draw window: after the change of mode 'Show Next Card' says 'No cards drawn'",
          button is not None and description(button) == "No cards drawn",
          f"its description: '{description(button) if button else None}'")


def draw_window_in(program, language):
    """The draw in the user's language: the button's name, the count, the
    card's name and its announcement are the language's own."""
    title = f"draw window in {language.code}"
    events = Events("object:property-change:accessible-description")
    run = Run(program, title, {"Form3Start": "2", "Option1": "True", "Option2": "False"}, language.environment)
    try:
        window = run.wait_window()
        if not check(f"{title}: opens", window is not None):
            return
        run.wait_active(window)
        next_card = language.text("draw::DrawWindow", "Show Next Card")

        def on_draw_button():
            f = focused(window)
            return f is not None and role(f) == "push button" and name(f) == next_card
        if not check(f"{title}: the focus is on '{next_card}'", bool(wait_for(on_draw_button, 5.0)),
                     f"focused: {describe(focused(window))}"):
            return
        button = focused(window)
        cards_before = set(card_images(window, language.card_set))
        mark = events.mark()
        press(KEY_SPACE)
        count_text = language.text("cards::DrawState", "Cards drawn: %1").replace("%1", "1")
        count_label = wait_for(lambda: find(window, "label", count_text), 10.0)
        check(f"{title}: the count reads '{count_text}'", count_label is not None,
              "labels: " + ", ".join(describe(o) for o in find_all(window, "label")))
        new_cards = wait_for(lambda: set(card_images(window, language.card_set)) - cards_before, 3.0) or set()
        drawn = next(iter(new_cards)) if len(new_cards) == 1 else None
        check(f"{title}: the drawn card's image is named in the language", drawn is not None,
              "new images: " + (", ".join(sorted(new_cards)) or "none"))
        pattern = language.pattern("draw::DrawAnnouncement", "%1. Cards drawn: %2")
        announced = events.wait(mark, lambda e: same(e["source"], button) and pattern.match(e["value"] or ""), 10.0)
        heard = "; ".join(f"{e['role']} '{e['name']}': '{e['value']}'" for e in events.since(mark)) or "nothing"
        match = pattern.match(announced["value"]) if announced else None
        check(f"{title}: the draw is announced as one sentence of the language ('<card>. {count_text}')",
              match is not None and match.group(1) in language.card_set and match.group(2) == "1"
              and (drawn is None or match.group(1) == drawn),
              f"heard: {heard}; drawn card shown: {drawn}")
        if announced is not None:
            note(f"heard: '{announced['value']}'")
            check_text_carried(title, events, mark, button, announced["value"])
    finally:
        run.finish()


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
