#pragma once
// A figure of the tally as text: what it shows ("23.4 %") and the whole
// sentence screen readers read ("Hearts: 11 of 47, 23.4 %", its accessible
// name, presented as static text). Unlike a QLabel it is repainted only
// when its text changes and asks for a new layout only when its size does:
// a draw changes dozens of figures, and none of them moves the others.
#include <QWidget>

class QLabel;

namespace tally {

class FigureLabel : public QWidget {
    Q_OBJECT
public:
    explicit FigureLabel(QWidget *parent = nullptr, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);

    void setFigure(const QString &text, const QString &spoken);
    QString text() const { return m_text; }
    // Long sentences (the verdict) wrap at the width they are given.
    void setWordWrap(bool wrap);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wrap; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize textSize() const;
    int textFlags() const;

    QString m_text;
    Qt::Alignment m_alignment;
    bool m_wrap = false;
    // The widest the text has been since the font was set: the figure
    // keeps its room, so that neither it nor its neighbours jump about
    // as the figures change.
    mutable QSize m_hint;
};

// A section's heading: bold plain text.
QLabel *sectionHeading(const QString &text, QWidget *parent);

} // namespace tally
