#include "ErrorReport.h"

#include "Messages.h"
#include "Platform.h"

#include <QCoreApplication>

namespace shell {

const char *const SupportAddress = "support@dealwright.example";
const char *const WebSiteAddress = "https://www.dealwright.example/";

namespace {

struct LocationEntry {
    const char *object;
    const char *procedure;
};

// In the order of the Location enum.
constexpr LocationEntry Locations[LocationCount] = {
    {"Form1", "Form_Load"},
    {"Form1", "PushButton1_Click"},
    {"Form1", "PushButton2_Click"},
    {"Form2", "Form_Load"},
    {"Form2", "PushButton1_Click"},
    {"Form2", "PushButton2_Click"},
    {"Form2", "PushButton3_Click"},
    {"Form2", "PushButton4_Click"},
    {"Form2", "PushButton5_Click"},
    {"Form2", "PushButton9_Click"},
    {"Form3", "Form_Load"},
    {"Form3", "PushButton1_Click"},
    {"Form3", "PushButton2_Click"},
    {"Form3", "PushButton3_Click"},
    {"Form3", "PushButton4_Click"},
    {"Form3", "PushButton9_Click"},
    {"Form4", "Form_Activate"},
    {"Form4", "Form_Load"},
    {"Cards", "DrawCards"},
    {"Cards", "ResetCards"},
};

int g_reportsShown = 0;

} // namespace

QString locationText(Location location)
{
    const LocationEntry &e = Locations[static_cast<int>(location)];
    return QStringLiteral("in Kestrelby2021/08/31.%1.%2 ").arg(QLatin1String(e.object), QLatin1String(e.procedure));
}

// The location text and the step number stay as they are in every language:
// the maker reads them.
QString errorReportText(const QString &description, const QString &location, int step)
{
    //: The second line of the error report. %1 is the procedure's location, which ends in a blank and stays
    //: untranslated ("in Kestrelby2021/08/31.Form2.Form_Load "); %2 is the step number.
    const QString where = QCoreApplication::translate("shell::ErrorReport", "%1at line %2")
        .arg(location, QString::number(step));
    //: The error report's last line; %1 is the maker's support e-mail address.
    const QString request = QCoreApplication::translate("shell::ErrorReport",
                                                        "Please email screenshot of this message to %1")
                                .arg(QLatin1String(SupportAddress));
    return description + QStringLiteral("\r\n") + where + QStringLiteral("\r\r") + request;
}

int errorReportsShown() { return g_reportsShown; }

void showErrorReport(Location location, int step, const QString &description)
{
    ++g_reportsShown;
    platform().messages->show(Message{errorReportText(description, locationText(location), step),
                                      QCoreApplication::translate("shell::ErrorReport", "Application Error"),
                                      MessageIcon::Exclamation,
                                      ReportOrigin{location, step}});
}

void Guarded::report(std::exception_ptr failure)
{
    ++m_reports;
    const QString description = describeFailure(failure);
    // The report itself must never throw out of the handler.
    try {
        showErrorReport(m_location, m_step, description);
    } catch (...) {
    }
}

void showUnguardedFailure(std::exception_ptr failure)
{
    const QString description = describeFailure(failure);
    try {
        showMessage(description);
    } catch (...) {
    }
}

} // namespace shell
