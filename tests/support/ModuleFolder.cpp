// The test programs run from the build tree's tests folder, away from the
// SVG renderer module in the program folder's "plugins": the environment
// variable DEALWRIGHT_MODULE_DIR names its folder. Only test programs link
// this file (the build option DEALWRIGHT_MODULE_DIR_VARIABLE); the program
// itself loads the module from its own folder and from nowhere else.
#include "deck/ScalableReader.h"

#include <QFile>

namespace {

const bool g_folderNamed = [] {
    const QByteArray folder = qgetenv("DEALWRIGHT_MODULE_DIR");
    if (!folder.isEmpty())
        deck::setModuleFolder(QFile::decodeName(folder));
    return !folder.isEmpty();
}();

} // namespace
