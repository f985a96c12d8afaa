#pragma once
// The one message-box service of the program. Every message goes through
// shell::platform().messages, so that tests can record them instead of
// blocking on a modal box.
#include "Location.h"

#include <QString>
#include <optional>

class QWidget;

namespace shell {

enum class MessageIcon { None, Error, Exclamation };

// An error report's procedure and step.
struct ReportOrigin {
    Location location;
    int step = 0;
    bool operator==(const ReportOrigin &other) const { return location == other.location && step == other.step; }
};

struct Message {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    // Set for an error report only.
    std::optional<ReportOrigin> origin;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal box with an OK button; returns when the user closes it.
    virtual void show(const Message &message) = 0;
    // Shows Qt's own modal box "About Qt" over `owner`.
    virtual void showAboutQt(QWidget *owner) = 0;
};

// A plain message: OK button, the given icon, the application title as caption.
void showMessage(const QString &text, MessageIcon icon = MessageIcon::None);

} // namespace shell
