#include "tally/DeckGrid.h"

#include "tally/TallyText.h"

#include "deck/CardPixmaps.h"
#include "deck/PictureSet.h"

#include <QGridLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace tally {

namespace {

// A card picture's own size: the faces keep its proportions.
QSize naturalFace()
{
    return deck::PictureSet::instance().card(0).size();
}

} // namespace

DeckCell::DeckCell(int card, QWidget *parent) : FigureLabel(parent, Qt::AlignHCenter | Qt::AlignBottom), m_card(card)
{
    m_colours = chartColours(TallyLook{}, palette());
}

void DeckCell::setState(bool marked, bool latest)
{
    if (marked == m_marked && latest == m_latest)
        return;
    m_marked = marked;
    m_latest = latest;
    update();
}

void DeckCell::setColours(const ChartColours &colours)
{
    m_colours = colours;
    update();
}

void DeckCell::setFace(bool shown)
{
    if (shown == m_face)
        return;
    m_face = shown;
    updateGeometry();
    update();
}

QSize DeckCell::sizeHint() const
{
    // Room for two digits at least (a put-back count may need more), and
    // for a face two lines of text high, its lower half under the figure.
    const QFontMetrics metrics = fontMetrics();
    const QSize text = FigureLabel::sizeHint();
    const int faceHeight = m_face ? 2 * text.height() : 0;
    const QSize natural = naturalFace();
    const int faceWidth = (faceHeight * natural.width() + natural.height() / 2) / natural.height();
    return QSize(std::max({metrics.horizontalAdvance(QStringLiteral("00")) + metrics.height() / 5,
                           text.width() + metrics.height() / 5, faceWidth + 2}),
                 std::max(faceHeight, text.height()) + 2);
}

QRect DeckCell::faceRect() const
{
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    QRect face(QPoint(0, 0), naturalFace().scaled(inside.size(), Qt::KeepAspectRatio));
    face.moveCenter(inside.center());
    return face;
}

QSize DeckCell::minimumSizeHint() const
{
    return sizeHint();
}

void DeckCell::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        const QRect box = rect().adjusted(0, 0, -1, -1);
        if (m_marked)
            painter.fillRect(box, m_colours.marked);
        if (m_marked && m_face) {
            const QRect face = faceRect();
            painter.drawPixmap(face.topLeft(),
                               deck::smallCardPixmap(deck::PictureSet::instance().card(m_card), face.size(),
                                                      devicePixelRatioF()));
            // The figure keeps the ground it has always had, whatever the face.
            if (!text().isEmpty()) {
                const int plate = fontMetrics().height();
                painter.fillRect(QRect(box.left(), box.bottom() + 1 - plate, box.width(), plate), m_colours.marked);
            }
        }
        painter.setPen(m_latest ? QPen(m_colours.latest, 2) : QPen(m_colours.faint, 1));
        painter.drawRect(m_latest ? rect().adjusted(1, 1, -1, -1) : box);
    }
    FigureLabel::paintEvent(event);
}

DeckGrid::DeckGrid(QWidget *parent) : QWidget(parent)
{
    m_shown.fill(-1);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(2);
    outer->addWidget(sectionHeading(tr("The deck"), this));

    m_grid = new QGridLayout;
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(2);
    m_grid->setVerticalSpacing(2);
    outer->addLayout(m_grid);
    outer->addStretch(1);
    for (int rank = 1; rank <= 13; ++rank) {
        auto *sign = new QLabel(cards::displayRankSign(rank), this);
        sign->setAlignment(Qt::AlignCenter);
        sign->setAccessibleName(cards::displayRankName(rank));
        m_grid->addWidget(sign, 0, rank);
    }
    for (int suit = 0; suit < 4; ++suit) {
        auto *sign = new QLabel(suitSign(suit), this);
        sign->setAlignment(Qt::AlignCenter);
        sign->setAccessibleName(cards::displaySuitName(suit));
        m_suitSigns[size_t(suit)] = sign;
        m_grid->addWidget(sign, suit + 1, 0);
        for (int rank = 1; rank <= 13; ++rank) {
            auto *cell = new DeckCell(suit * 13 + rank - 1, this);
            m_cells[size_t(suit * 13 + rank - 1)] = cell;
            m_grid->addWidget(cell, suit + 1, rank);
        }
    }
    setColours(chartColours(TallyLook{}, palette()));
}

void DeckGrid::setColours(const ChartColours &colours)
{
    for (DeckCell *cell : m_cells)
        cell->setColours(colours);
    for (int suit = 0; suit < 4; ++suit) {
        QPalette p = m_suitSigns[size_t(suit)]->palette();
        p.setColor(QPalette::WindowText, colours.suits[size_t(suit)]);
        m_suitSigns[size_t(suit)]->setPalette(p);
    }
}

void DeckGrid::setFaces(bool shown)
{
    for (DeckCell *cell : m_cells)
        cell->setFace(shown);
}

void DeckGrid::setFigures(const cards::Tally &tally, const TallyText &text)
{
    const bool putBack = tally.mode() == cards::DrawMode::PutBack;
    if (!m_modeShown || tally.mode() != m_mode) {
        m_mode = tally.mode();
        m_modeShown = true;
        m_shown.fill(-1);
    }
    const int latest = tally.lastCard();
    for (int card = 0; card < 52; ++card) {
        DeckCell *cell = m_cells[size_t(card)];
        const std::int64_t figure = putBack ? tally.timesDrawn(card) : tally.firstDrawOf(card);
        if (figure != m_shown[size_t(card)]) {
            m_shown[size_t(card)] = figure;
            if (putBack)
                cell->setFigure(text.count(figure), text.cardFrequencySentence(card, figure));
            else
                cell->setFigure(figure > 0 ? text.count(figure) : QString(), text.cardDrawNumberSentence(card, figure));
            cell->setState(figure > 0, card == latest);
        } else if ((card == latest) != (card == m_shownLatest)) {
            cell->setState(figure > 0, card == latest);
        }
    }
    m_shownLatest = latest;
}

} // namespace tally
