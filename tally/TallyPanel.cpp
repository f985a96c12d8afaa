#include "tally/TallyPanel.h"

#include "tally/DeckGrid.h"
#include "tally/FigureLabel.h"
#include "tally/FigureTable.h"
#include "tally/SectionFlow.h"
#include "tally/ShareChart.h"
#include "tally/TallyText.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>
#include <map>

namespace tally {

namespace {

QStringList suitNames()
{
    QStringList names;
    for (int s = 0; s < cards::SuitCount; ++s)
        names << cards::displaySuitName(s);
    return names;
}

QStringList rankNames()
{
    QStringList names;
    for (int r = 1; r <= cards::RankCount; ++r)
        names << cards::displayRankName(r);
    return names;
}

FigureLabel *lineLabel(QWidget *parent, const char *name)
{
    auto *label = new FigureLabel(parent, Qt::AlignLeft | Qt::AlignVCenter);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TallyPanel::TallyPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TallyPanel"));
    m_status = new QWidget(this);
    m_status->setObjectName(QStringLiteral("status"));
    auto *statusLayout = new QVBoxLayout(m_status);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->setSpacing(1);
    m_drawsLine = lineLabel(m_status, "draws");
    m_modeLine = new QLabel(m_status);
    m_modeLine->setObjectName(QStringLiteral("mode"));
    m_leftLine = lineLabel(m_status, "cardsLeft");
    m_suitsLeftLine = lineLabel(m_status, "suitsLeft");
    for (QWidget *line : std::initializer_list<QWidget *>{m_drawsLine, m_modeLine, m_leftLine, m_suitsLeftLine})
        statusLayout->addWidget(line);

    m_suits = new FigureTable(tr("Suits"), suitNames(), {}, this);
    m_suits->setObjectName(QStringLiteral("suits"));
    m_colours = new FigureTable(tr("Colours"), {cards::displayColourName(cards::Colour::Red),
                                               cards::displayColourName(cards::Colour::Black)}, {}, this);
    m_colours->setObjectName(QStringLiteral("colours"));
    m_faces = new FigureTable(tr("Face cards and number cards"), {tr("J, Q, K"), tr("A to 10")},
                              {tr("Face cards"), tr("Number cards")}, this);
    m_faces->setObjectName(QStringLiteral("faceCards"));
    m_ranks = new FigureTable(tr("Ranks"), rankNames(), {}, this);
    m_ranks->setObjectName(QStringLiteral("ranks"));
    m_deck = new DeckGrid(this);
    m_deck->setObjectName(QStringLiteral("deck"));

    m_sharesSection = new QWidget(this);
    m_sharesSection->setObjectName(QStringLiteral("shares"));
    m_sharesSection->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto *sharesLayout = new QVBoxLayout(m_sharesSection);
    sharesLayout->setContentsMargins(0, 0, 0, 0);
    sharesLayout->setSpacing(2);
    sharesLayout->addWidget(sectionHeading(tr("Share of each suit over the draws"), m_sharesSection));
    m_chart = new ShareChart(m_sharesSection);
    m_chart->setObjectName(QStringLiteral("shareChart"));
    m_chart->setAccessibleName(tr("Share of each suit over the draws"));
    sharesLayout->addWidget(m_chart, 1);
    m_verdict = lineLabel(m_sharesSection, "verdict");
    m_verdict->setWordWrap(true);
    sharesLayout->addWidget(m_verdict);

    m_sections = {m_status, m_suits, m_colours, m_faces, m_ranks, m_deck, m_sharesSection};
    setLook(TallyLook{});
}

void TallyPanel::setTally(const cards::Tally *tally)
{
    m_tally = tally;
    m_chart->setTally(tally);
    tallyChanged();
}

void TallyPanel::tallyChanged()
{
    m_dirty = true;
    if (isVisible())
        refresh();
}

void TallyPanel::setLook(const TallyLook &look)
{
    m_look = look;
    forgetArrangements();
    applyLook(this, look);
    const ChartColours colours = chartColours(look, palette());
    for (FigureTable *table : {m_suits, m_colours, m_faces, m_ranks})
        table->setColours(colours);
    m_deck->setColours(colours);
    m_deck->setFaces(!look.keepLow);
    m_chart->setColours(colours);
    updateGeometry();
    placeSections();
}

void TallyPanel::showMode(cards::DrawMode mode)
{
    m_mode = mode;
    m_modeShown = true;
    const bool putBack = mode == cards::DrawMode::PutBack;
    for (FigureTable *table : {m_suits, m_colours, m_faces, m_ranks})
        table->setMode(mode);
    m_modeLine->setText(putBack ? tr("Putting each card back") : tr("Without putting back"));
    m_leftLine->setVisible(!putBack);
    m_suitsLeftLine->setVisible(!putBack);
    m_sharesSection->setVisible(putBack);
    forgetArrangements();
    updateGeometry();
    placeSections();
}

void TallyPanel::refresh()
{
    m_dirty = false;
    const cards::Tally &t = m_tally ? *m_tally : m_empty;
    if (!m_modeShown || t.mode() != m_mode)
        showMode(t.mode());
    const TallyText text(locale());
    const std::int64_t draws = t.draws();

    m_drawsLine->setFigure(text.drawsLine(draws), text.drawsLine(draws));
    m_leftLine->setFigure(text.cardsLeftLine(t.cardsLeft()), text.cardsLeftLine(t.cardsLeft()));
    std::array<std::int64_t, cards::SuitCount> left{};
    for (int s = 0; s < cards::SuitCount; ++s)
        left[size_t(s)] = t.suitLeft(s);
    m_suitsLeftLine->setFigure(text.suitsLeftLine(left), text.suitsLeftSentence(left));

    std::vector<FigureRow> rows;
    for (int s = 0; s < cards::SuitCount; ++s)
        rows.push_back({t.suitCount(s), t.expectedPerSuit(), t.nextSuit(s)});
    m_suits->setFigures(rows, draws, text);
    rows.clear();
    for (cards::Colour c : {cards::Colour::Red, cards::Colour::Black})
        rows.push_back({t.colourCount(c), t.expectedPerColour(), t.nextColour(c)});
    m_colours->setFigures(rows, draws, text);
    rows = {{t.faceCount(), t.expectedFace(), t.nextFace()}, {t.numberCount(), t.expectedNumber(), t.nextNumber()}};
    m_faces->setFigures(rows, draws, text);
    rows.clear();
    for (int r = 1; r <= cards::RankCount; ++r)
        rows.push_back({t.rankCount(r), t.expectedPerRank(), t.nextRank(r)});
    m_ranks->setFigures(rows, draws, text);
    m_deck->setFigures(t, text);

    if (t.mode() == cards::DrawMode::PutBack) {
        QStringList shares;
        for (int s = 0; s < cards::SuitCount; ++s)
            shares << text.shareSentence(cards::displaySuitName(s), t.suitCount(s), draws);
        m_chart->tallyChanged(shares.join(QStringLiteral("; ")));
        const QString verdict = text.verdict(t.suitFit(), draws);
        m_verdict->setFigure(verdict, verdict);
    }
}

void TallyPanel::ensureFresh() const
{
    if (m_dirty)
        const_cast<TallyPanel *>(this)->refresh();
}

namespace {

std::vector<SectionSize> sizesOf(const std::vector<QWidget *> &sections)
{
    std::vector<SectionSize> sizes;
    for (QWidget *section : sections) {
        // A hidden widget's layout is brought up to date only when it is
        // shown; the overlay's height is asked for before that.
        if (QLayout *layout = section->layout())
            layout->activate();
        SectionSize size{section->sizeHint(), section->minimumSizeHint()};
        // A table is measured by its own texts, not by the columns it was
        // last lined up with.
        if (const auto *table = qobject_cast<const FigureTable *>(section)) {
            size.preferred.setWidth(table->naturalWidth(false));
            size.minimum.setWidth(table->naturalWidth(true));
        }
        sizes.push_back(size);
    }
    return sizes;
}

int heightIn(QWidget *section, int width)
{
    return std::max(section->sizeHint().height(), section->hasHeightForWidth() ? section->heightForWidth(width) : 0);
}

} // namespace

void TallyPanel::forgetArrangements()
{
    m_arranged.clear();
}

TallyPanel::Arrangement TallyPanel::arrange(int width) const
{
    ensureFresh();
    for (const auto &[arrangedWidth, arrangement] : m_arranged) {
        if (arrangedWidth == width)
            return arrangement;
    }
    if (m_arranged.size() >= 4)
        m_arranged.erase(m_arranged.begin());
    m_arranged.emplace_back(width, arrangeNow(width));
    return m_arranged.back().second;
}

TallyPanel::Arrangement TallyPanel::arrangeNow(int width) const
{
    // The status lines may head the first column or follow the ranks,
    // wherever the panel comes out lower.
    std::vector<QWidget *> first{m_status, m_suits, m_colours, m_faces, m_ranks, m_deck, m_sharesSection};
    std::vector<QWidget *> second{m_suits, m_colours, m_faces, m_ranks, m_status, m_deck, m_sharesSection};
    Arrangement best;
    for (const std::vector<QWidget *> *order : {&first, &second}) {
        Arrangement a;
        for (QWidget *section : *order) {
            if (!section->isHidden())
                a.sections.push_back(section);
        }
        a.flow = arrangeSections(sizesOf(a.sections), width, spacing(), rowSpacing(), m_look.keepLow);
        std::vector<int> columnHeight(a.flow.columnWidth.size(), 0);
        for (size_t i = 0; i < a.sections.size(); ++i) {
            const size_t c = size_t(a.flow.columnOf[i]);
            a.heights.push_back(heightIn(a.sections[i], a.flow.columnWidth[c]));
            columnHeight[c] += (columnHeight[c] > 0 ? rowSpacing() : 0) + a.heights.back();
        }
        a.height = columnHeight.empty() ? 0 : *std::max_element(columnHeight.begin(), columnHeight.end());
        if (best.sections.empty() || a.height < best.height)
            best = a;
    }
    return best;
}

int TallyPanel::spacing() const
{
    // Kept low, the columns stand closer.
    const int line = fontMetrics().height();
    return std::max(8, m_look.keepLow ? line * 2 / 3 : line);
}

int TallyPanel::rowSpacing() const
{
    return std::max(4, fontMetrics().height() / 2);
}

QSize TallyPanel::sizeHint() const
{
    // The window's look is asked for a moderate width; the sections take
    // as many columns within it as make the panel lowest.
    const QMargins m = contentsMargins();
    const Arrangement a = arrange(fontMetrics().height() * 80);
    int width = 0;
    for (size_t c = 0; c < a.flow.columnWidth.size(); ++c) {
        int preferred = 0;
        for (size_t i = 0; i < a.sections.size(); ++i) {
            if (size_t(a.flow.columnOf[i]) == c)
                preferred = std::max(preferred, a.sections[i]->sizeHint().width());
        }
        width += preferred + (c > 0 ? spacing() : 0);
    }
    return QSize(width + m.left() + m.right(), a.height + m.top() + m.bottom());
}

QSize TallyPanel::minimumSizeHint() const
{
    int width = 0;
    for (QWidget *section : m_sections) {
        if (!section->isHidden())
            width = std::max(width, section->minimumSizeHint().width());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), 0);
}

int TallyPanel::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    return arrange(width - m.left() - m.right()).height + m.top() + m.bottom();
}

void TallyPanel::alignTables(const Arrangement &a)
{
    // The tables that share a column line up their columns.
    std::map<int, FigureTable::ColumnWidths> widest;
    std::vector<std::pair<FigureTable *, int>> tables;
    for (size_t i = 0; i < a.sections.size(); ++i) {
        auto *table = qobject_cast<FigureTable *>(a.sections[i]);
        if (!table)
            continue;
        const int column = a.flow.columnOf[i];
        const FigureTable::ColumnWidths natural = table->naturalColumnWidths();
        FigureTable::ColumnWidths &w = widest[column];
        for (size_t c = 0; c < w.size(); ++c)
            w[c] = std::max(w[c], natural[c]);
        tables.emplace_back(table, column);
    }
    for (const auto &[table, column] : tables)
        table->alignColumns(widest[column]);
}

void TallyPanel::placeSections()
{
    const QRect area = contentsRect();
    alignTables(arrange(area.width()));
    // Lining up may have widened a table.
    forgetArrangements();
    const Arrangement a = arrange(area.width());
    std::vector<int> top(a.flow.columnWidth.size(), area.top());
    for (size_t i = 0; i < a.sections.size(); ++i) {
        const size_t c = size_t(a.flow.columnOf[i]);
        int height = a.heights[i];
        // The last section of a column that can grow (the chart) takes the
        // height left below it.
        const bool last = i + 1 == a.sections.size() || size_t(a.flow.columnOf[i + 1]) != c;
        if (last && (a.sections[i]->sizePolicy().verticalPolicy() & QSizePolicy::ExpandFlag))
            height = std::max(height, area.bottom() + 1 - top[c]);
        a.sections[i]->setGeometry(area.left() + a.flow.columnLeft[c], top[c], a.flow.columnWidth[c], height);
        top[c] += height + rowSpacing();
    }
}

bool TallyPanel::event(QEvent *event)
{
    // A section whose figures grew asks for room.
    if (event->type() == QEvent::LayoutRequest) {
        forgetArrangements();
        placeSections();
        updateGeometry();
    }
    return QWidget::event(event);
}

void TallyPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeSections();
}

void TallyPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_dirty)
        refresh();
    placeSections();
}

void TallyPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        forgetArrangements();
    if (event->type() == QEvent::LocaleChange) {
        m_deck->invalidate();
        tallyChanged();
    }
}

} // namespace tally
