// A child for the card-design tests: lists the installed designs as the
// command line does, after their full check, then draws one face of each at
// a small size, so that a deck that hangs its reader or renderer shows as a
// child that does not end.
#include "deck/CardDesigns.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const deck::DesignCatalogue checked = deck::checkedDesigns(deck::scanDesigns({QStringLiteral("C")}));
    QString out = deck::designListText(checked);
    for (const deck::DesignInfo &info : checked.designs) {
        const auto design = deck::openDesign(info);
        if (design && !design->render(QStringLiteral("queen_heart"), QSize(20, 27)).isNull())
            out += QStringLiteral("drawn ") + info.folder + QLatin1Char('\n');
    }
    std::fputs(out.toUtf8().constData(), stdout);
    return 0;
}
