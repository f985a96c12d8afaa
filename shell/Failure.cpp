#include "Failure.h"

#include <new>
#include <system_error>

namespace shell {

QString describeFailure(std::exception_ptr failure)
{
    if (!failure)
        return QStringLiteral("Unknown failure");
    try {
        std::rethrow_exception(failure);
    } catch (const Failure &f) {
        return f.description();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Out of memory");
    } catch (const std::out_of_range &e) {
        return QStringLiteral("Subscript out of range (%1)").arg(QString::fromLocal8Bit(e.what()));
    } catch (const std::system_error &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (const std::exception &e) {
        const QString what = QString::fromLocal8Bit(e.what());
        return what.isEmpty() ? QStringLiteral("Unknown failure") : what;
    } catch (...) {
        return QStringLiteral("Unknown failure");
    }
}

} // namespace shell
