#include "Failure.h"

#include <QCoreApplication>

#include <new>
#include <system_error>

namespace shell {

QString describeFailure(std::exception_ptr failure)
{
    if (!failure)
        return QCoreApplication::translate("shell::Failure", "Unknown failure");
    try {
        std::rethrow_exception(failure);
    } catch (const Failure &f) {
        return f.description();
    } catch (const std::bad_alloc &) {
        return QCoreApplication::translate("shell::Failure", "Out of memory");
    } catch (const std::out_of_range &e) {
        return QCoreApplication::translate("shell::Failure", "Subscript out of range (%1)")
            .arg(QString::fromLocal8Bit(e.what()));
    } catch (const std::system_error &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (const std::exception &e) {
        const QString what = QString::fromLocal8Bit(e.what());
        return what.isEmpty() ? QCoreApplication::translate("shell::Failure", "Unknown failure") : what;
    } catch (...) {
        return QCoreApplication::translate("shell::Failure", "Unknown failure");
    }
}

} // namespace shell
