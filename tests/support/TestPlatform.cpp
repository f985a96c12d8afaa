#include "TestPlatform.h"

#include "shell/Failure.h"

namespace testsupport {

void RecordingWeb::open(const QUrl &address)
{
    opened.append(address);
    if (refuse)
        throw shell::Failure(QStringLiteral("The web site %1 could not be opened: no web browser could be started")
                                 .arg(address.toDisplayString()));
}
namespace {

// Until a test installs its TestPlatform, a message box, a folder dialog, a
// web visit or the end of the program is a fault of the test: it fails at
// once instead of waiting for a user who never comes.
[[noreturn]] void unexpected(const char *what, const QString &detail)
{
    qFatal("%s without a TestPlatform: %s", what, qPrintable(detail));
}

class UnexpectedMessages : public shell::MessageService {
public:
    void show(const shell::Message &m) override { unexpected("A message box", m.text); }
    void showAboutQt(QWidget *) override { unexpected("A message box", QStringLiteral("About Qt")); }
};
class UnexpectedFolders : public shell::FolderPicker {
public:
    QString browseForFolder(QWidget *, const QString &title, const QString &) override { unexpected("A folder dialog", title); }
};
class UnexpectedSaver : public shell::FileSaver {
public:
    QString saveFileName(QWidget *, const QString &title, const QString &, const QString &) override
    {
        unexpected("A save dialog", title);
    }
};
class UnexpectedWeb : public shell::WebOpener {
public:
    void open(const QUrl &address) override { unexpected("A web visit", address.toString()); }
};
class UnexpectedEnd : public shell::ProgramEnder {
public:
    void endProgram() override { unexpected("The end of the program", QString()); }
};

const bool g_defaultsInstalled = [] {
    static UnexpectedMessages messages;
    static UnexpectedFolders folders;
    static UnexpectedWeb web;
    static UnexpectedEnd ender;
    static UnexpectedSaver saver;
    shell::Platform &p = shell::platform();
    p.saver = &saver;
    p.messages = &messages;
    p.folders = &folders;
    p.web = &web;
    p.ender = &ender;
    return true;
}();

} // namespace

void RecordingMessages::show(const shell::Message &message)
{
    shown.append(message);
    if (onShow)
        onShow(message);
}

void RecordingMessages::showAboutQt(QWidget *owner)
{
    aboutQtShown.append(owner);
}

QList<shell::ReportOrigin> RecordingMessages::reports() const
{
    QList<shell::ReportOrigin> found;
    for (const shell::Message &message : shown) {
        if (message.origin)
            found.append(*message.origin);
    }
    return found;
}

QStringList RecordingMessages::plainTexts() const
{
    QStringList found;
    for (const shell::Message &message : shown) {
        if (!message.origin)
            found.append(message.text);
    }
    return found;
}

QStringList RecordingMessages::texts() const
{
    QStringList result;
    for (const shell::Message &m : shown)
        result.append(m.text);
    return result;
}

QString ScriptedFolders::browseForFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    calls.append(Call{owner, title, startFolder});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString ScriptedSaver::saveFileName(QWidget *owner, const QString &title, const QString &suggested,
                                    const QString &filter)
{
    calls.append(Call{owner, title, suggested, filter});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

ScriptedPicks::ScriptedPicks(QList<int> cards) : cards(std::move(cards))
{
    shell::replacePick(this);
}

ScriptedPicks::~ScriptedPicks()
{
    shell::replacePick(nullptr);
}

std::int32_t ScriptedPicks::pick(std::int32_t limit)
{
    if (cards.isEmpty())
        return static_cast<std::int32_t>(shell::programRandom().uniform(static_cast<std::uint32_t>(limit)));
    ++picked;
    return cards.takeFirst() % limit;
}

void RecordingEnder::endProgram()
{
    ++ends;
    shell::setEndRequested(true);
}

void FixedEntropy::fill(unsigned char *buffer, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        buffer[i] = static_cast<unsigned char>(seed + i * 31);
}

TestPlatform::TestPlatform() : m_saved(shell::platform())
{
    shell::platform() = shell::Platform{&messages, &folders, &web, &ender, &clock, &entropy, &saver};
    shell::setEndRequested(false);
    const auto key = fixedKey(entropy.seed);
    shell::resetProgramRandom(&key);
}

TestPlatform::~TestPlatform()
{
    shell::platform() = m_saved;
    shell::setEndRequested(false);
    shell::resetProgramRandom(nullptr);
}

TempConfig::TempConfig() : m_saved(qgetenv("XDG_CONFIG_HOME"))
{
    // The settings store looks the folder up on every read and write.
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
}

TempConfig::~TempConfig()
{
    if (m_saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_saved);
}

QString TempConfig::settingsFile() const
{
    return m_dir.path() + QStringLiteral("/Marrowfen.ini");
}

shell::RandomGenerator::Key fixedKey(unsigned char seed)
{
    shell::RandomGenerator::Key key;
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<unsigned char>(seed * 17 + i * 13 + 5);
    return key;
}

int cardOfEntryText(const QString &text)
{
    if (!text.startsWith(QLatin1String("Card ")))
        return -1;
    bool ok = false;
    const int number = text.mid(5).toInt(&ok);
    return ok && number >= 1 && number <= 52 ? number - 1 : -1;
}

QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("DEALWRIGHT_SOURCE_DIR"));
}

QString programDir()
{
    return QString::fromLocal8Bit(qgetenv("DEALWRIGHT_PROGRAM_DIR"));
}

} // namespace testsupport
