// Which address schemes the desktop has a program for, read from
// association files in temporary XDG configuration and data folders: web
// addresses always, "man" only where a desktop entry installed there is
// named for it and not removed again.
#include "shell/Platform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// XDG folders of its own for as long as it lives.
class Folders {
public:
    Folders()
    {
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            m_saved.append({name, qgetenv(name)});
        qputenv("XDG_CONFIG_HOME", config().toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", systemConfig().toLocal8Bit());
        qputenv("XDG_DATA_HOME", data().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", systemData().toLocal8Bit());
    }
    ~Folders()
    {
        for (const auto &[name, value] : m_saved) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
    QString config() const { return m_dir.filePath(QStringLiteral("config")); }
    QString systemConfig() const { return m_dir.filePath(QStringLiteral("etc-xdg")); }
    QString data() const { return m_dir.filePath(QStringLiteral("data")); }
    QString systemData() const { return m_dir.filePath(QStringLiteral("usr-share")); }

private:
    QTemporaryDir m_dir;
    QList<std::pair<const char *, QByteArray>> m_saved;
};

} // namespace

class TestDesktopSchemes : public QObject {
    Q_OBJECT

private slots:
    void webAddressesAlwaysManPagesWhereRegistered()
    {
        Folders folders;
        QVERIFY(shell::desktopOpensScheme(QStringLiteral("https")));
        QVERIFY(shell::desktopOpensScheme(QStringLiteral("HTTP")));
        QVERIFY(shell::desktopOpensScheme(QStringLiteral("file")));
        QVERIFY(!shell::desktopOpensScheme(QStringLiteral("man")));
        QVERIFY(!shell::desktopOpensScheme(QString()));

        // Named in the system's cache, but the entry is not installed.
        const QString cache = folders.systemData() + QStringLiteral("/applications/mimeinfo.cache");
        QVERIFY(writeText(cache, "[MIME Cache]\nx-scheme-handler/help=yelp.desktop;\nx-scheme-handler/man=yelp.desktop;\n"));
        QVERIFY(!shell::desktopOpensScheme(QStringLiteral("man")));
        // Installed.
        QVERIFY(writeText(folders.systemData() + QStringLiteral("/applications/yelp.desktop"), "[Desktop Entry]\n"));
        QVERIFY(shell::desktopOpensScheme(QStringLiteral("man")));
        QVERIFY(shell::desktopOpensScheme(QStringLiteral("MAN")));
        QVERIFY(!shell::desktopOpensScheme(QStringLiteral("info")));

        // The user removed it again.
        const QString userList = folders.config() + QStringLiteral("/mimeapps.list");
        QVERIFY(writeText(userList, "[Default Applications]\ntext/plain=editor.desktop\n\n"
                                    "[Removed Associations]\nx-scheme-handler/man=yelp.desktop;\n"));
        QVERIFY(!shell::desktopOpensScheme(QStringLiteral("man")));
        // ... and chose another, installed in a folder of its own (kde-).
        QVERIFY(writeText(userList, "[Default Applications]\nx-scheme-handler/man = kde-help.desktop\n\n"
                                    "[Removed Associations]\nx-scheme-handler/man=yelp.desktop;\n"));
        QVERIFY(!shell::desktopOpensScheme(QStringLiteral("man")));
        QVERIFY(writeText(folders.data() + QStringLiteral("/applications/kde/help.desktop"), "[Desktop Entry]\n"));
        QVERIFY(shell::desktopOpensScheme(QStringLiteral("man")));
    }
};

QTEST_GUILESS_MAIN(TestDesktopSchemes)
#include "test_desktop_schemes.moc"
