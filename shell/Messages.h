#pragma once
// The one message-box service of the program. Every message goes through
// shell::platform().messages, so that tests can record them instead of
// blocking on a modal box.
#include <QString>

namespace shell {

enum class MessageIcon { None, Error, Exclamation };

struct Message {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal box with an OK button; returns when the user closes it.
    virtual void show(const Message &message) = 0;
};

// A plain message: OK button, the given icon, the application title as caption.
void showMessage(const QString &text, MessageIcon icon = MessageIcon::None);

} // namespace shell
