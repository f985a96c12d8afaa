# The languages the program ships, one per line. Each has its translation
# source translations/dealwright_<code>.ts (docs/translations.md says how to
# add one). English is the source language and needs no file.
set(DEALWRIGHT_LANGUAGES
  de     # German
  fr     # French
  es     # Spanish
  it     # Italian
  pt_BR  # Brazilian Portuguese
  nl     # Dutch
  pl     # Polish
  uk     # Ukrainian
  zh_CN  # Simplified Chinese
  ja     # Japanese
  ar     # Arabic
)
