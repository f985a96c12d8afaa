#pragma once
// Recording replacements of the platform seams, and per-test isolation of
// the settings file. Install a TestPlatform at the start of a test; it puts
// the previous services back when it goes.
#include "shell/Messages.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"
#include "shell/Random.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>

namespace testsupport {

class RecordingMessages : public shell::MessageService {
public:
    void show(const shell::Message &message) override;
    void showAboutQt(QWidget *owner) override;
    QList<shell::Message> shown;
    // The owners of the "About Qt" boxes asked for.
    QList<QWidget *> aboutQtShown;
    // Runs while the "box" is open (a test can act as the modal box's user).
    std::function<void(const shell::Message &)> onShow;
    QStringList texts() const;
    // The error reports shown, by procedure and step, in order.
    QList<shell::ReportOrigin> reports() const;
    // The other messages (plain boxes), by their texts.
    QStringList plainTexts() const;
    void clear() { shown.clear(); }
};

class ScriptedFolders : public shell::FolderPicker {
public:
    QString browseForFolder(QWidget *owner, const QString &title, const QString &startFolder) override;
    QStringList answers;  // taken in order; "" (cancel) when none is left
    struct Call { QWidget *owner; QString title; QString startFolder; };
    QList<Call> calls;
};

// The save dialog answers with the paths given, in order ("" for cancel
// once none is left).
class ScriptedSaver : public shell::FileSaver {
public:
    QString saveFileName(QWidget *owner, const QString &title, const QString &suggested, const QString &filter) override;
    QStringList answers;
    struct Call { QWidget *owner; QString title; QString suggested; QString filter; };
    QList<Call> calls;
};

class RecordingWeb : public shell::WebOpener {
public:
    // With `refuse`, no browser can be started: the visit fails.
    void open(const QUrl &address) override;
    QList<QUrl> opened;
    bool refuse = false;
};

class RecordingEnder : public shell::ProgramEnder {
public:
    void endProgram() override;
    int ends = 0;
};

class FixedClock : public shell::Clock {
public:
    double secondsSinceMidnight() override { return running ? (now += step) : now; }
    double now = 43200.25;
    bool running = false;
    double step = 0.001;
};

class FixedEntropy : public shell::Entropy {
public:
    void fill(unsigned char *buffer, std::size_t size) override;
    unsigned char seed = 7;
};

class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform &) = delete;
    TestPlatform &operator=(const TestPlatform &) = delete;

    RecordingMessages messages;
    ScriptedFolders folders;
    RecordingWeb web;
    RecordingEnder ender;
    FixedClock clock;
    FixedEntropy entropy;
    ScriptedSaver saver;

private:
    shell::Platform m_saved;
};

// Counts which window a window asked to show.
class RecordingNavigator : public shell::Navigator {
public:
    void showChooser() override { ++chooserShown; }
    void showDrawWindow() override { ++drawShown; }
    void showBatchWindow() override { ++batchShown; }
    int chooserShown = 0;
    int drawShown = 0;
    int batchShown = 0;
};

// While it lives, the draw picks these cards in order (the card numbers,
// 0..51); once they are used up the generator picks again.
class ScriptedPicks : public shell::Picker {
public:
    explicit ScriptedPicks(QList<int> cards = {});
    ~ScriptedPicks() override;
    ScriptedPicks(const ScriptedPicks &) = delete;
    ScriptedPicks &operator=(const ScriptedPicks &) = delete;
    std::int32_t pick(std::int32_t limit) override;
    QList<int> cards;
    int picked = 0;
};

// A fresh, empty settings folder (XDG_CONFIG_HOME) for as long as it lives.
class TempConfig {
public:
    TempConfig();
    ~TempConfig();
    QString path() const { return m_dir.path(); }
    QString settingsFile() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// A fixed generator key, so statistical tests never flake.
shell::RandomGenerator::Key fixedKey(unsigned char seed = 1);

// The card an entry's text names ("Card 1" is card 0, the ace of spades),
// as the command line prints it; -1 for any other text.
int cardOfEntryText(const QString &text);

// The folder of the checked-out sources and of the built program.
QString sourceDir();
QString programDir();

} // namespace testsupport
