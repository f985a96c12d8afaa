// The batch generator's save and browse buttons.
#include "Bitmap.h"
#include "CardExport.h"
#include "FileBatch.h"
#include "Form3.h"
#include "Generation.h"
#include "deck/Deck.h"
#include "shell/ErrorReport.h"
#include "shell/Messages.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace batch {

// Sets Deck1 to the entry's card and writes its picture under the entry's
// name into `files` (steps `step` and `step` + 2). False when the file could
// not be written; a card that could not be set is not written at all, so
// that no file ever holds another entry's picture.
bool Form3::saveEntry(const QTreeWidgetItem *entry, FileBatch &files, shell::Guarded &g, int step)
{
    bool cardSet = false;
    g.step(step, [&] {
        const int card = cardOfEntry(entry->text(0));
        if (card < 0 || card >= MaxBatch)
            throw shell::Failure(QStringLiteral("Invalid procedure call or argument: \"%1\" names no card").arg(entry->text(0)));
        Deck1->setChangeCard(card);
        cardSet = true;
    });
    if (!cardSet)
        return false;
    bool staged = false;
    g.step(step + 2, [&] {
        files.stage(cardFilePath(Text2->text(), entry->text(0)), bitmapBytes(Deck1->Picture()));
        staged = true;
    });
    return staged;
}

// Puts the written files on disk under their names; a file that fails now
// is reported at its save step like one that failed while being written.
bool Form3::commitFiles(FileBatch &files, shell::Guarded &g, int step)
{
    const QStringList failures = files.commit();
    for (const QString &failure : failures)
        g.step(step, [&] { throw shell::Failure(failure); });
    return failures.isEmpty();
}

void Form3::PushButton1_Click()
{
    // The batch being drawn is not complete yet: nothing is saved.
    if (m_generating)
        return;
    shell::Guarded g(shell::Location::Form3_PushButton1_Click);
    if (g.test(100, [&] { return !FolderCheck(Text2->text()); })) {
        g.step(102, [&] { shell::showMessage(FolderMissingMessage); });
        return;
    }
    if (g.jumpTest(104, [&] { return ListView1->topLevelItemCount() == 0; }))
        return;
    QTreeWidgetItem *remembered = nullptr;
    g.step(106, [&] { remembered = selectedEntry(); });
    // Every entry in list order; a failed file is reported and the next one
    // is still written.
    bool allSaved = true;
    FileBatch files;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        if (!saveEntry(ListView1->topLevelItem(i), files, g, 108))
            allSaved = false;
    }
    if (!commitFiles(files, g, 110))
        allSaved = false;
    g.step(112, [&] {
        if (remembered) {
            ListView1->setCurrentItem(remembered);
            remembered->setSelected(true);
        }
    });
    // After a failed file the reports have said what happened.
    if (allSaved)
        g.step(114, [&] { shell::showMessage(DoneMessage); });
}

void Form3::PushButton3_Click()
{
    if (m_generating)
        return;
    shell::Guarded g(shell::Location::Form3_PushButton3_Click);
    if (g.test(100, [&] { return !FolderCheck(Text2->text()); })) {
        g.step(102, [&] { shell::showMessage(FolderMissingMessage); });
        return;
    }
    if (g.jumpTest(104, [&] { return ListView1->topLevelItemCount() == 0; }))
        return;
    const QTreeWidgetItem *entry = nullptr;
    if (g.test(106, [&] {
            entry = selectedEntry();
            return entry == nullptr;
        })) {
        g.step(108, [&] { shell::showMessage(NoCardSelectedMessage); });
        return;
    }
    FileBatch files;
    const bool staged = saveEntry(entry, files, g, 110);
    if (commitFiles(files, g, 112) && staged)
        g.step(114, [&] { shell::showMessage(DoneMessage); });
}

void Form3::PushButton9_Click()
{
    BrowseOutputFolder(this, Text2, shell::Location::Form3_PushButton9_Click);
}

} // namespace batch
