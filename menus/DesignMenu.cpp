#include "menus/DesignMenu.h"

#include "deck/CardDesigns.h"
#include "deck/PictureSet.h"
#include "menus/ChosenDesign.h"
#include "shell/ErrorReport.h"

#include <QActionGroup>
#include <QIcon>
#include <QPixmap>

#include <algorithm>

namespace menus {

namespace {

// A deck's name as an entry's text: an "&" in it is a letter, not a mnemonic.
QString entryText(QString name)
{
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QAction *addDesign(QMenu *menu, QActionGroup *group, const QString &folder, const QString &name,
                   const QString &comment, const QIcon &icon)
{
    QAction *entry = menu->addAction(icon, entryText(name));
    entry->setObjectName(QStringLiteral("design:") + folder);
    entry->setData(folder);
    entry->setCheckable(true);
    entry->setToolTip(comment.isEmpty() ? name : comment);
    entry->setStatusTip(comment);
    group->addAction(entry);
    return entry;
}

} // namespace

DesignMenu::DesignMenu(QWidget *parent) : QMenu(tr("Card &Design"), parent)
{
    setObjectName(QStringLiteral("designMenu"));
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, [this] { shell::safely([this] { fill(); }); });
    connect(this, &QMenu::triggered, this, &DesignMenu::onChosen);
}

void DesignMenu::fill()
{
    // The entries of the last opening go, with their group.
    for (QActionGroup *old : findChildren<QActionGroup *>(QString(), Qt::FindDirectChildrenOnly))
        delete old;
    clear();
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    const QString shown = shownDesignFolder();

    const QImage &ace = deck::PictureSet::instance().card(0);
    addDesign(this, group, QString::fromLatin1(deck::BuiltInDesign), deck::builtInDesignName(),
              deck::builtInDesignComment(), QIcon(QPixmap::fromImage(ace)));
    QList<deck::DesignInfo> designs = deck::scanDesigns().designs;
    std::stable_sort(designs.begin(), designs.end(), [](const deck::DesignInfo &a, const deck::DesignInfo &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    for (const deck::DesignInfo &info : designs)
        addDesign(this, group, info.folder, info.name, info.comment,
                  info.previewFile.isEmpty() ? QIcon() : QIcon(info.previewFile));
    for (QAction *entry : group->actions())
        entry->setChecked(entry->data().toString() == shown);
}

void DesignMenu::onChosen(QAction *entry)
{
    const QString folder = entry->data().toString();
    if (folder == shownDesignFolder())
        return;
    shell::safely([&] { chooseCardDesign(folder); });
}

DesignMenu *addDesignMenu(QMenu *view)
{
    auto *menu = new DesignMenu(view);
    view->addMenu(menu);
    return menu;
}

} // namespace menus
