#pragma once
// A card design: one installed card deck (a folder under "carddecks" in
// the user's or the system's data folders) whose SVG file holds one element
// per card ("1_club" ... "king_heart", "back", jokers in some). A
// DesignInfo is what the deck's index file and a glance at its files tell;
// a CardDesign is a deck whose SVG file has been read, parsed and found to
// hold all 52 faces, ready to render its elements.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

namespace deck {

class ScalableDocument;

struct DesignInfo {
    QString folder;          // the deck's folder name, "svg-nicu-white": what settings and the command line name
    QString directory;       // the folder's absolute path
    QString name;            // in the user's language
    QString comment;         // in the user's language; "" when the deck has none
    QString englishName;     // the untranslated texts, for the command line
    QString englishComment;
    QString svgFile;         // absolute path of the SVG file (plain or gzip-compressed)
    QString previewFile;     // absolute path of the preview picture; "" when there is none
};

// The element id of a card face: card numbers 0..51 run through spades,
// diamonds, clubs and hearts, each from the ace ("1_spade") to the king.
QString faceElementId(int card);

class CardDesign {
public:
    // Reads, parses and checks the deck's SVG file: nullptr with `problem`
    // set (one line, naming what is wrong) when it is unusable or lacks any
    // of the 52 faces. Safe on any thread; may take a second for a large
    // deck.
    static std::shared_ptr<CardDesign> open(const DesignInfo &info, QString *problem);
    ~CardDesign();

    const DesignInfo &info() const { return m_info; }
    // Distinct for every design opened in this run (a deck changed on disk
    // and opened again gets a new one): what renderings are kept under.
    quint64 serial() const { return m_serial; }

    // The element this design shows for a built-in picture's scalable
    // source: the faces "Card00".."Card51", the deck's back for "Back00"
    // when it has one, its jokers for "Joker1" (red) and "Joker2" (black)
    // when it has them; "" for everything else (backs 1 to 11, markers),
    // which stays built-in.
    QString elementForSource(const QString &source) const;
    // The same by card number 0..53 (52 and 53 the red and black joker).
    QString elementForCard(int card) const;
    // The deck's back, or "" when it has none.
    const QString &backElement() const { return m_back; }

    // The element drawn at exactly `devicePixels`: scaled to keep its own
    // proportions, centred, transparent around it. A null image for an
    // unknown element. Safe on any thread and on several at once: each
    // rendering takes a parsed copy of the document of its own from a small
    // pool, parsing one more when all are in use.
    QImage render(const QString &element, const QSize &devicePixels) const;

    // Parsed copies of the document beyond the first are let go (after a
    // burst of renderings on several threads).
    void trimDocuments() const;
    // How long parsing one more copy takes, as the first parse took.
    qint64 parseNanoseconds() const { return m_parseNanoseconds; }

private:
    CardDesign(DesignInfo info, QByteArray text);
    std::unique_ptr<ScalableDocument> takeDocument() const;
    void giveBack(std::unique_ptr<ScalableDocument> document) const;

    DesignInfo m_info;
    quint64 m_serial;
    qint64 m_parseNanoseconds = 0;
    QByteArray m_text;   // the unpacked SVG text, for further copies
    QString m_back;
    QString m_redJoker;
    QString m_blackJoker;
    mutable std::mutex m_mutex;
    mutable std::vector<std::unique_ptr<ScalableDocument>> m_idle;
};

} // namespace deck
