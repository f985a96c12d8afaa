"""The screen-reader walk through the draw window and the full-screen view
(atspi_walk.py): the focus, a draw heard on the focused button and in the
full-screen view, Reset and a change of mode heard, and the draw in
another language."""

from atspi_support import *  # noqa: F401,F403  (the walk's vocabulary)
from atspi_checks import *  # noqa: F401,F403
from atspi_menus import MENU_ITEM_ROLES, menus_and_tally, press_with  # noqa: E402


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
