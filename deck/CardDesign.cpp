#include "deck/CardDesign.h"

#include "deck/ScalableReader.h"
#include "deck/SvgFile.h"
#include "deck/SvgGuard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QStringList>

#include <atomic>

namespace deck {
namespace {

// Each joker by the ids decks give it, best first.
const char *const RedJokerIds[] = {"red_joker", "joker"};
const char *const BlackJokerIds[] = {"black_joker", "joker"};

template <std::size_t N>
QString firstPresent(const ScalableDocument &document, const char *const (&ids)[N])
{
    for (const char *id : ids)
        if (document.hasElement(QLatin1String(id)))
            return QLatin1String(id);
    return QString();
}

QString missingText(const QString &shownName, const QStringList &missing)
{
    if (missing.size() == 1) {
        //: %1 is the file, %2 the element's id ("queen_heart"), which stays as it is.
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 lacks the card element %2")
            .arg(shownName, missing.first());
    }
    QStringList named = missing.mid(0, 3);
    if (missing.size() > named.size())
        named << QStringLiteral("...");
    //: %1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.
    return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 lacks %2 of the 52 card elements (%3)")
        .arg(shownName, QString::number(missing.size()), named.join(QStringLiteral(", ")));
}

// Source names of the built-in pictures a design can replace.
int faceOfSource(const QString &source)
{
    if (source.size() != 6 || !source.startsWith(QLatin1String("Card")))
        return -1;
    bool ok = false;
    const int card = source.mid(4).toInt(&ok);
    return ok && card >= 0 && card < 52 ? card : -1;
}

} // namespace

QString faceElementId(int card)
{
    static const char *const Suits[] = {"spade", "diamond", "club", "heart"};
    static const char *const Courts[] = {"jack", "queen", "king"};
    if (card < 0 || card > 51)
        return QString();
    const int rank = card % 13;
    const QString rankText = rank < 10 ? QString::number(rank + 1) : QLatin1String(Courts[rank - 10]);
    return rankText + QLatin1Char('_') + QLatin1String(Suits[card / 13]);
}

CardDesign::CardDesign(DesignInfo info, QByteArray text) : m_info(std::move(info)), m_text(std::move(text))
{
    static std::atomic<quint64> designs{0};
    m_serial = ++designs;
}

CardDesign::~CardDesign() = default;

std::shared_ptr<CardDesign> CardDesign::open(const DesignInfo &info, QString *problem)
{
    const QString shownName = QFileInfo(info.svgFile).fileName();
    const ScalableReader *reader = scalableReader();
    if (!reader) {
        *problem = QCoreApplication::translate("deck::SvgFile", "the SVG renderer module cannot be loaded");
        return nullptr;
    }
    SvgText svg = readSvgFile(info.svgFile, shownName);
    if (!svg.problem.isEmpty()) {
        *problem = svg.problem;
        return nullptr;
    }
    // Before the renderer sees it: a file whose references multiply its
    // elements without end would hold every rendering for hours.
    const QString structure = svgStructureProblem(svg.text, shownName);
    if (!structure.isEmpty()) {
        *problem = structure;
        return nullptr;
    }
    QElapsedTimer parsing;
    parsing.start();
    std::unique_ptr<ScalableDocument> document = reader->parse(svg.text);
    const qint64 parseNanoseconds = parsing.nsecsElapsed();
    if (!document) {
        *problem = QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is not a valid SVG document")
            .arg(shownName);
        return nullptr;
    }
    QStringList missing;
    for (int card = 0; card < 52; ++card)
        if (!document->hasElement(faceElementId(card)))
            missing << faceElementId(card);
    if (!missing.isEmpty()) {
        *problem = missingText(shownName, missing);
        return nullptr;
    }
    std::shared_ptr<CardDesign> design(new CardDesign(info, std::move(svg.text)));
    design->m_back = document->hasElement(QStringLiteral("back")) ? QStringLiteral("back") : QString();
    design->m_redJoker = firstPresent(*document, RedJokerIds);
    design->m_blackJoker = firstPresent(*document, BlackJokerIds);
    design->m_parseNanoseconds = parseNanoseconds;
    design->m_idle.push_back(std::move(document));
    problem->clear();
    return design;
}

QString CardDesign::elementForCard(int card) const
{
    if (card == 52)
        return m_redJoker;
    if (card == 53)
        return m_blackJoker;
    return faceElementId(card);
}

QString CardDesign::elementForSource(const QString &source) const
{
    const int card = faceOfSource(source);
    if (card >= 0)
        return faceElementId(card);
    if (source == QLatin1String("Back00"))
        return m_back;
    if (source == QLatin1String("Joker1"))
        return m_redJoker;
    if (source == QLatin1String("Joker2"))
        return m_blackJoker;
    return QString();
}

std::unique_ptr<ScalableDocument> CardDesign::takeDocument() const
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_idle.empty()) {
            std::unique_ptr<ScalableDocument> document = std::move(m_idle.back());
            m_idle.pop_back();
            return document;
        }
    }
    // All copies are drawing on other threads: one more, parsed outside the
    // lock. The text passed the checks when the design was opened.
    const ScalableReader *reader = scalableReader();
    return reader ? reader->parse(m_text) : nullptr;
}

void CardDesign::giveBack(std::unique_ptr<ScalableDocument> document) const
{
    if (!document)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_idle.push_back(std::move(document));
}

void CardDesign::trimDocuments() const
{
    std::vector<std::unique_ptr<ScalableDocument>> surplus;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        while (m_idle.size() > 1) {
            surplus.push_back(std::move(m_idle.back()));
            m_idle.pop_back();
        }
    }
}

QImage CardDesign::render(const QString &element, const QSize &devicePixels) const
{
    if (element.isEmpty() || devicePixels.isEmpty())
        return QImage();
    std::unique_ptr<ScalableDocument> document = takeDocument();
    if (!document)
        return QImage();
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool drawn = document->renderElement(painter, element, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    painter.end();
    giveBack(std::move(document));
    return drawn ? image : QImage();
}

} // namespace deck
