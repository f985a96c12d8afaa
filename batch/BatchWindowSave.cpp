// The batch window's save and browse buttons.
#include "batch/BatchWindow.h"
#include "batch/Bitmap.h"
#include "batch/CardExport.h"
#include "batch/EntryList.h"
#include "batch/FileBatch.h"
#include "batch/Generation.h"
#include "deck/CardFaceControl.h"
#include "shell/ErrorReport.h"
#include "shell/Messages.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace batch {

// Sets the card face control to the entry's card and writes its picture
// under the entry's file name ("Card N.bmp", from the card number the entry
// keeps) into `files` (steps `step` and `step` + 2). False when the file
// could not be written; a card that could not be set is not written at
// all, so that no file ever holds another entry's picture.
bool BatchWindow::saveEntry(const QTreeWidgetItem *entry, FileBatch &files, shell::Guarded &g, int step)
{
    int card = -1;
    g.step(step, [&] {
        bool isNumber = false;
        const int kept = entry->data(0, CardRole).toInt(&isNumber);
        if (!isNumber || kept < 0 || kept >= MaxBatch)
            throw shell::Failure(tr("Invalid procedure call or argument: \"%1\" names no card").arg(entry->text(0)));
        m_faceControl->setChangeCard(kept);
        card = kept;
    });
    if (card < 0)
        return false;
    bool staged = false;
    g.step(step + 2, [&] {
        files.stage(cardFilePath(m_folderBox->text(), entryFileName(card)), bitmapBytes(m_faceControl->Picture()));
        staged = true;
    });
    return staged;
}

// Puts the written files on disk under their names; a file that fails now
// is reported at its save step like one that failed while being written.
bool BatchWindow::commitFiles(FileBatch &files, shell::Guarded &g, int step)
{
    const QStringList failures = files.commit();
    for (const QString &failure : failures)
        g.step(step, [&] { throw shell::Failure(failure); });
    return failures.isEmpty();
}

// Steps 100 to 104 of both save buttons: the folder must exist (else its
// message) and the list must hold entries.
bool BatchWindow::readyToSave(shell::Guarded &g)
{
    if (g.test(100, [&] { return !isExistingFolder(m_folderBox->text()); })) {
        g.step(102, [&] { shell::showMessage(folderMissingMessage()); });
        return false;
    }
    return !g.jumpTest(104, [&] { return m_list->topLevelItemCount() == 0; });
}

void BatchWindow::onSaveAllClicked()
{
    // The batch being drawn is not complete yet: nothing is saved.
    if (m_generating)
        return;
    shell::Guarded g(shell::Location::BatchWindowSaveAll);
    if (!readyToSave(g))
        return;
    QTreeWidgetItem *remembered = nullptr;
    g.step(106, [&] { remembered = selectedEntry(); });
    // Every entry in list order; a failed file is reported and the next one
    // is still written.
    bool allSaved = true;
    FileBatch files;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (!saveEntry(m_list->topLevelItem(i), files, g, 108))
            allSaved = false;
    }
    if (!commitFiles(files, g, 110))
        allSaved = false;
    g.step(112, [&] {
        m_list->selectEntry(remembered);
    });
    // After a failed file the reports have said what happened.
    if (allSaved)
        g.step(114, [&] { shell::showMessage(doneMessage()); });
}

void BatchWindow::onSaveSelectedClicked()
{
    if (m_generating)
        return;
    shell::Guarded g(shell::Location::BatchWindowSaveSelected);
    if (!readyToSave(g))
        return;
    const QTreeWidgetItem *entry = nullptr;
    if (g.test(106, [&] {
            entry = selectedEntry();
            return entry == nullptr;
        })) {
        g.step(108, [&] { shell::showMessage(noCardSelectedMessage()); });
        return;
    }
    FileBatch files;
    const bool staged = saveEntry(entry, files, g, 110);
    if (commitFiles(files, g, 112) && staged)
        g.step(114, [&] { shell::showMessage(doneMessage()); });
}

void BatchWindow::onBrowseClicked()
{
    browseOutputFolder(this, m_folderBox, shell::Location::BatchWindowBrowse);
}

} // namespace batch
