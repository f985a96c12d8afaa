#pragma once
// One section of the tally: a heading and a row per kind (a suit, a colour,
// a rank, face or number cards) with its name, its bar against the expected
// count, the count drawn, the count expected and a last column that depends
// on the mode: the chance of the next card without putting back, the share
// of the draws with putting back. Every figure is a label whose accessible
// name is a whole sentence ("Hearts: 11 of 47, 23.4 %").
#include "cards/Tally.h"
#include "tally/TallyLook.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

class QGridLayout;
class QLabel;

namespace tally {

class BarCell;
class FigureLabel;
class TallyText;

struct FigureRow {
    std::int64_t drawn = 0;
    double expected = 0.0;
    cards::Fraction next;  // the chance of the next card (without putting back)
};

class FigureTable : public QWidget {
    Q_OBJECT
public:
    // `names` are shown; `spokenNames`, where given, name the rows in the
    // sentences for screen readers instead.
    FigureTable(const QString &heading, const QStringList &names, const QStringList &spokenNames = {},
                QWidget *parent = nullptr);

    void setMode(cards::DrawMode mode);
    // One FigureRow per name; `draws` for the shares.
    void setFigures(const std::vector<FigureRow> &rows, std::int64_t draws, const TallyText &text);
    void setColours(const ChartColours &colours);

    int rowCount() const { return int(m_rows.size()); }

    // The columns' widths that its own texts need (the bar's column: 0), and
    // the widths it is to keep at least, so that the tables of one column
    // of the panel line up their bars and figures.
    using ColumnWidths = std::array<int, 5>;
    ColumnWidths naturalColumnWidths() const;
    void alignColumns(const ColumnWidths &minimum);
    // The width it needs by its own texts, whatever it is aligned to: with
    // the bar at its preferred or at its minimum width.
    int naturalWidth(bool minimum) const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void spaceColumns();
    struct Row {
        QString name;
        QLabel *label;
        BarCell *bar;
        FigureLabel *drawn;
        FigureLabel *expected;
        FigureLabel *last;
    };
    QGridLayout *m_grid;
    QLabel *m_lastHeader;
    std::vector<QLabel *> m_headers;  // by column; nullptr where none
    ColumnWidths m_aligned{};
    std::vector<Row> m_rows;
    cards::DrawMode m_mode = cards::DrawMode::NoPutBack;
};

} // namespace tally
