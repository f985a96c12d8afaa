// A contact sheet of card designs for the documentation
// (docs/art/designs-contact-sheet.png): the queen of hearts, the ace of
// spades, the ten of diamonds and the back, 300 pixels tall, of the built-in
// set and of four installed card decks, drawn by the program's own code.
//   <build>/tests/make_design_sheet <file.png>
// Ends with status 77 when the decks are not installed.
#include "deck/CardDesigns.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignPixmaps.h"
#include "deck/PictureSet.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int CardHeight = 300;
constexpr int CardWidth = 222;  // 1065 : 1440
constexpr int Gap = 16;
constexpr int LabelWidth = 190;
const int Cards[] = {50, 0, 22};  // queen of hearts, ace of spades, ten of diamonds

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make_design_sheet <file.png>\n", stderr);
        return 2;
    }
    const QStringList folders{QStringLiteral("svg-nicu-white"), QStringLiteral("svg-standard"),
                              QStringLiteral("svg-dondorf"), QStringLiteral("svg-jolly-royal")};
    const deck::DesignCatalogue catalogue = deck::scanDesigns({QStringLiteral("C")});
    std::vector<std::shared_ptr<const deck::CardDesign>> designs{nullptr};  // the built-in set first
    for (const QString &folder : folders) {
        const deck::DesignInfo *info = deck::findDesign(catalogue, folder);
        if (!info) {
            std::fprintf(stderr, "make_design_sheet: %s is not installed\n", qPrintable(folder));
            return 77;
        }
        designs.push_back(deck::openDesign(*info));
        if (!designs.back())
            return 1;
    }

    const QSize card(CardWidth, CardHeight);
    QImage sheet(LabelWidth + 4 * (CardWidth + Gap) + Gap, int(designs.size()) * (CardHeight + Gap) + Gap,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x1f, 0x5c, 0x36));
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const deck::PictureSet &set = deck::PictureSet::instance();
    for (std::size_t row = 0; row < designs.size(); ++row) {
        const int top = Gap + int(row) * (CardHeight + Gap);
        const QString name = designs[row] ? designs[row]->info().englishName : deck::builtInDesignName();
        painter.drawText(QRect(Gap, top, LabelWidth - Gap, CardHeight), Qt::AlignVCenter | Qt::TextWordWrap, name);
        // Shown as the windows show them: the chosen design through the
        // rendering cache, in place of the built-in pictures.
        deck::setActiveDesign(designs[row]);
        QList<QImage> pictures;
        for (int number : Cards)
            pictures << set.card(number);
        pictures << set.back(0);
        for (int column = 0; column < pictures.size(); ++column)
            painter.drawPixmap(LabelWidth + column * (CardWidth + Gap), top, deck::cardPixmap(pictures[column], card, 1));
    }
    deck::setActiveDesign(nullptr);
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
