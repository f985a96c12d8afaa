#pragma once
// The card designs on offer: the built-in set ("dealwright") and each card
// deck installed under "carddecks" in the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) and the system's ($XDG_DATA_DIRS,
// else /usr/local/share and /usr/share); where a folder name appears twice,
// the first in that order wins.
//
// Two stages. The catalogue is quick (reading the small index files and
// glancing at the first bytes of each SVG file) and serves a menu. Opening
// a design reads and parses its whole SVG file and checks its 52 faces; a
// deck that fails is remembered (until its file changes) and left out of
// every later catalogue. Each deck left out gets one line on standard
// error, once per run, naming its folder and the reason.
//
// No settings are read or written here: callers keep the chosen folder name.
#include "deck/CardDesign.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

namespace deck {

// The name by which settings and the command line choose the built-in set.
constexpr char BuiltInDesign[] = "dealwright";

struct DesignProblem {
    QString directory;   // the deck's folder, absolute
    QString reason;      // "its index.desktop is missing", ...
};

struct DesignCatalogue {
    QList<DesignInfo> designs;       // by folder name
    QList<DesignProblem> problems;   // decks left out
};

// The folders searched for decks ("<data folder>/carddecks"), first first.
QStringList designRoots();

// The quick catalogue of the installed decks, with names and comments in
// the first of `uiLanguages` each deck translates. Decks whose full check
// failed earlier in this run are left out. Problems are reported.
DesignCatalogue scanDesigns(const QStringList &uiLanguages = QLocale().uiLanguages());
DesignCatalogue scanDesignsIn(const QStringList &roots, const QStringList &uiLanguages);

// The catalogue with every deck opened (in parallel): only decks that pass
// the full check remain. Slow (all SVG files are parsed): for the command
// line's list, or in the background.
DesignCatalogue checkedDesigns(const DesignCatalogue &catalogue);

// The design of a catalogue entry, read, parsed and checked; nullptr (the
// failure reported and remembered) when it fails the check. A design that
// is still in use somewhere is handed out again without reading it anew.
// Safe on any thread.
std::shared_ptr<const CardDesign> openDesign(const DesignInfo &info, QString *problem = nullptr);

// The catalogue entry with this folder name, or nullptr.
const DesignInfo *findDesign(const DesignCatalogue &catalogue, const QString &folder);

// What a stored or requested design name comes to.
struct DesignChoice {
    enum Status { BuiltIn, Installed, Unknown, Unusable };
    Status status = BuiltIn;
    std::shared_ptr<const CardDesign> design;   // set for Installed
    QString message;                            // for Unknown and Unusable: one line in the user's language
};
// Whether `name` chooses the built-in set: "" or "dealwright" (any case).
bool namesBuiltInDesign(const QString &name);
// The built-in set for a name that names it; any other name must be a
// catalogue entry's folder that passes the full check.
DesignChoice chooseDesign(const QString &name, const DesignCatalogue &catalogue);

// The design kept in the settings, or the built-in set (nullptr) with one
// line on standard error when it is no longer installed or usable. The
// setting itself is for the caller to keep.
std::shared_ptr<const CardDesign> storedDesign(const QString &name, const DesignCatalogue &catalogue);

// The command line's list: one line per design, "folder<TAB>name<TAB>comment",
// English, the built-in set first; tabs and line breaks inside a text
// become spaces.
QString designListText(const DesignCatalogue &checked);

// The built-in set's name and comment in the user's language, for a menu.
QString builtInDesignName();
QString builtInDesignComment();

// Forgets the decks that failed their full check (the tests).
void forgetDesignFailures();

} // namespace deck
