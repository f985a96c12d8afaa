"""The program's texts in a shipped language for the screen-reader walk
(atspi_walk.py), read from the translation sources."""

import os
import re

from atspi_support import CARDS

class Language:
    """The program's texts in a shipped language, read from its translation
    source (translations/dealwright_<code>.ts), and the environment that
    starts the program in it."""

    def __init__(self, code, locale):
        import xml.etree.ElementTree as ET
        here = os.path.dirname(os.path.abspath(__file__))
        path = os.path.join(here, "..", "..", "translations", f"dealwright_{code}.ts")
        self.code = code
        self.texts = {}
        for context in ET.parse(path).getroot().findall("context"):
            for message in context.findall("message"):
                self.texts[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")
        self.cards = [self.text("CardNames", card) for card in CARDS]
        self.card_set = set(self.cards)
        self.environment = {"LANG": locale, "LC_ALL": None, "LC_MESSAGES": None, "LANGUAGE": None}

    def text(self, context, source):
        return self.texts[(context, source)]

    def pattern(self, context, source):
        """A translated text with placeholders as a pattern: %1, %2 ... as
        groups in their order."""
        translated = self.text(context, source)
        parts = re.split(r"(%[1-9])", translated)
        return re.compile("^" + "".join("(.*)" if re.fullmatch(r"%[1-9]", p) else re.escape(p) for p in parts) + "$")
