// The settings store on QSettings' INI format. QSettings writes through a
// lock file and a save file, so the file is never left half-written and two
// copies of the program writing at once leave a valid file holding the
// last write.
#include "Settings.h"

#include "Failure.h"
#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <memory>

namespace shell {
namespace {

const QString Organisation = QStringLiteral("Marrowfen");
const QString Section = QStringLiteral("Dealwright");

std::unique_ptr<QSettings> openStore()
{
    auto store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, Organisation);
    // Read what is on disk now: another copy of the program may have written.
    store->sync();
    return store;
}

// A broken file is reported once per file, not on every read.
void reportUnreadable(const QSettings &store)
{
    static QSet<QString> reported;
    const QString file = store.fileName();
    if (reported.contains(file))
        return;
    reported.insert(file);
    showMessage(QStringLiteral("The settings file %1 could not be read. The defaults are used; "
                               "the file is made valid again when a setting is next saved.")
                    .arg(QDir::toNativeSeparators(file)));
}

// The names of the section and key as stored, matched without regard to case.
QString storedName(const QStringList &names, const QString &wanted)
{
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

QString asText(const QVariant &value)
{
    // A hand-edited line holding commas reads back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

std::optional<QString> Settings::find(const QString &key)
{
    auto store = openStore();
    if (store->status() == QSettings::FormatError) {
        reportUnreadable(*store);
        return std::nullopt;
    }
    const QString section = storedName(store->childGroups(), Section);
    if (section.isEmpty())
        return std::nullopt;
    store->beginGroup(section);
    const QString name = storedName(store->childKeys(), key);
    if (name.isEmpty())
        return std::nullopt;
    return asText(store->value(name));
}

QString Settings::read(const QString &key, const QString &defaultValue)
{
    return find(key).value_or(defaultValue);
}

QString Settings::read(const QString &key, const std::function<QString()> &makeDefault)
{
    std::optional<QString> stored = find(key);
    return stored ? *stored : makeDefault();
}

QString Settings::read(const QString &key, int defaultValue)
{
    return read(key, QString::number(defaultValue));
}

void Settings::write(const QString &key, const QString &value)
{
    auto store = openStore();
    if (store->status() == QSettings::FormatError) {
        // QSettings keeps the first error it met, so on a file it could not
        // parse a failed write would go unseen. Start the file afresh with
        // what could be read, on a store whose status tells the truth.
        QList<QPair<QString, QVariant>> kept;
        for (const QString &name : store->allKeys())
            kept.append({name, store->value(name)});
        const QString file = store->fileName();
        store.reset();
        if (QFile::exists(file) && !QFile::remove(file)) {
            throw Failure(QStringLiteral("The setting \"%1\" could not be saved: the settings file %2 cannot be replaced")
                              .arg(key, QDir::toNativeSeparators(file)));
        }
        store = openStore();
        for (const auto &entry : kept)
            store->setValue(entry.first, entry.second);
    }
    // Keep the stored section's own spelling; replace the key in every case.
    QString section = storedName(store->childGroups(), Section);
    if (section.isEmpty())
        section = Section;
    store->beginGroup(section);
    for (const QString &name : store->childKeys()) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            store->remove(name);
    }
    store->setValue(key, value);
    store->endGroup();
    store->sync();
    if (store->status() != QSettings::NoError) {
        throw Failure(QStringLiteral("The setting \"%1\" could not be saved: the settings file %2 cannot be written")
                          .arg(key, QDir::toNativeSeparators(store->fileName())));
    }
}

QString Settings::filePath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, Organisation).fileName();
}

} // namespace shell
