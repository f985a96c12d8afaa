#include "tally/FigureTable.h"

#include "tally/BarCell.h"
#include "tally/FigureLabel.h"
#include "tally/TallyText.h"

#include <QGridLayout>
#include <QLabel>
#include <QEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace tally {

namespace {

QLabel *headerLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

FigureTable::FigureTable(const QString &heading, const QStringList &names, const QStringList &spokenNames,
                         QWidget *parent)
    : QWidget(parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(2);
    outer->addWidget(sectionHeading(heading, this));

    m_grid = new QGridLayout;
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setVerticalSpacing(1);
    outer->addLayout(m_grid);
    outer->addStretch(1);
    m_lastHeader = headerLabel(QString(), this);
    m_headers = {nullptr, nullptr, headerLabel(tr("Drawn"), this), headerLabel(tr("Expected"), this), m_lastHeader};
    for (int column = 2; column < 5; ++column)
        m_grid->addWidget(m_headers[size_t(column)], 0, column);
    m_grid->setColumnStretch(1, 1);

    for (int i = 0; i < names.size(); ++i) {
        const QString spoken = i < spokenNames.size() ? spokenNames[i] : names[i];
        Row row{spoken, new QLabel(names[i], this), new BarCell(this), new FigureLabel(this), new FigureLabel(this),
                new FigureLabel(this)};
        row.label->setTextFormat(Qt::PlainText);
        row.label->setAccessibleName(spoken);
        const int r = i + 1;
        m_grid->addWidget(row.label, r, 0);
        m_grid->addWidget(row.bar, r, 1);
        m_grid->addWidget(row.drawn, r, 2);
        m_grid->addWidget(row.expected, r, 3);
        m_grid->addWidget(row.last, r, 4);
        m_rows.push_back(row);
    }
    setMode(cards::DrawMode::NoPutBack);
    spaceColumns();
}

void FigureTable::spaceColumns()
{
    // A quarter of a line between the columns, whatever the text's size.
    m_grid->setHorizontalSpacing(std::max(6, fontMetrics().height() / 4));
}

void FigureTable::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        spaceColumns();
}

void FigureTable::setMode(cards::DrawMode mode)
{
    m_mode = mode;
    m_lastHeader->setText(mode == cards::DrawMode::NoPutBack ? tr("Next card") : tr("Share"));
}

void FigureTable::setFigures(const std::vector<FigureRow> &rows, std::int64_t draws, const TallyText &text)
{
    // The bars share one scale: the largest count or expectation, so that
    // the bars and the marks of one section compare at a glance.
    double scale = 1.0;
    for (const FigureRow &f : rows)
        scale = std::max({scale, double(f.drawn), f.expected});
    for (size_t i = 0; i < m_rows.size() && i < rows.size(); ++i) {
        const Row &row = m_rows[i];
        const FigureRow &f = rows[i];
        row.bar->setValues(double(f.drawn), f.expected, scale);
        const QString barName = text.drawnAgainstExpectedSentence(row.name, f.drawn, f.expected);
        if (row.bar->accessibleName() != barName)
            row.bar->setAccessibleName(barName);
        row.drawn->setFigure(text.count(f.drawn), text.drawnSentence(row.name, f.drawn));
        row.expected->setFigure(text.expected(f.expected), text.expectedSentence(row.name, f.expected));
        if (m_mode == cards::DrawMode::NoPutBack) {
            row.last->setFigure(text.chance(f.next), text.chanceSentence(row.name, f.next));
        } else {
            const double share = draws > 0 ? double(f.drawn) / double(draws) : 0.0;
            row.last->setFigure(text.percent(share), text.shareSentence(row.name, f.drawn, draws));
        }
    }
}

FigureTable::ColumnWidths FigureTable::naturalColumnWidths() const
{
    ColumnWidths widths{};
    auto widen = [&](int column, const QWidget *w) {
        if (w && !w->isHidden())
            widths[size_t(column)] = std::max(widths[size_t(column)], w->sizeHint().width());
    };
    for (int column = 0; column < 5; ++column)
        widen(column, m_headers[size_t(column)]);
    for (const Row &row : m_rows) {
        widen(0, row.label);
        widen(2, row.drawn);
        widen(3, row.expected);
        widen(4, row.last);
    }
    return widths;
}

int FigureTable::naturalWidth(bool minimum) const
{
    int width = 0;
    for (int w : naturalColumnWidths())
        width += w;
    const BarCell *bar = m_rows.empty() ? nullptr : m_rows.front().bar;
    if (bar)
        width += minimum ? bar->minimumSizeHint().width() : bar->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    return width + 4 * m_grid->horizontalSpacing() + margins.left() + margins.right();
}

void FigureTable::alignColumns(const ColumnWidths &minimum)
{
    // Only a change re-lays the table out (and asks the panel for room).
    for (int column = 0; column < 5; ++column) {
        if (minimum[size_t(column)] != m_aligned[size_t(column)])
            m_grid->setColumnMinimumWidth(column, minimum[size_t(column)]);
    }
    m_aligned = minimum;
}

void FigureTable::setColours(const ChartColours &colours)
{
    for (const Row &row : m_rows)
        row.bar->setColours(colours);
}

} // namespace tally
