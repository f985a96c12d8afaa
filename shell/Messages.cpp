#include "Messages.h"

#include "Platform.h"
#include "ShellHelpers.h"

namespace shell {

void showMessage(const QString &text, MessageIcon icon)
{
    platform().messages->show(Message{text, appTitle(), icon, std::nullopt});
}

} // namespace shell
