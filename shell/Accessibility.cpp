#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#if DEALWRIGHT_ATSPI_TEXT
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// An AT-SPI object reference: the bus name and the object's path.
struct AtspiReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument &operator<<(QDBusArgument &argument, const AtspiReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, AtspiReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(AtspiReference)
#endif

namespace shell {
namespace {

#if DEALWRIGHT_ATSPI_TEXT
// Qt 6.4 tells the accessibility bus that a description changed but sends
// a reference to the object where screen readers expect the new text:
// Orca then says nothing. The same signal is sent once more, with the text,
// on the connection and under the object path of Qt's own bridge, where the
// screen reader listens. Without the bridge (no screen reader) nothing is sent.
void sendDescriptionText(QWidget *focused, const QString &text)
{
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(focused);
    if (!bus.isConnected() || !presented)
        return;
    static const int registered = qDBusRegisterMetaType<AtspiReference>().id();
    Q_UNUSED(registered);
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(presented));
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    const AtspiReference root{bus.baseService(), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    signal << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(text))
           << QVariant::fromValue(root);
    bus.send(signal);
}
#endif

const char *const RoleKey = "accessibleRole";

// The program's windows are direct QWidget subclasses shown as top-level
// windows (message boxes and dialogs have interfaces of their own).
QAccessibleInterface *presentWindows(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(RoleKey);
    if (role.isValid())
        return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    if (!widget->isWindow() || widget->metaObject()->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    const Qt::WindowType type = widget->windowType();
    if (type != Qt::Window && type != Qt::Widget)
        return nullptr;
    // The name is the caption ("Dealwright"), as for any window.
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(presentWindows);
}

void presentAs(QWidget *widget, int role)
{
    installAccessibility();
    widget->setProperty(RoleKey, role);
}

void announce(QWidget *focused, const QString &text)
{
    if (!focused)
        return;
    if (focused->accessibleDescription() == text) {
        QAccessibleEvent event(focused, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        focused->setAccessibleDescription(text);
    }
#if DEALWRIGHT_ATSPI_TEXT
    sendDescriptionText(focused, text);
#endif
}

} // namespace shell
