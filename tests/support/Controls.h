#pragma once
// The one way tests reach a control: by its object name, the name the
// window's design gives it ("PushButton2", "Text1", "Image3", ...).
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace testsupport {

// The control named `name` inside `window`; the test stops at once, naming
// the control, when there is none (a renamed control fails loudly).
template <class T = QWidget>
T *control(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s of the right kind in %s", name, qPrintable(window->objectName()));
    return found;
}

} // namespace testsupport
