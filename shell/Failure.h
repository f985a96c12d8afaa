#pragma once
// A failure of a step: a C++ exception carrying a readable description.
// Guarded procedures catch it, show the error report and go on.
#include <QString>
#include <stdexcept>
#include <exception>

namespace shell {

class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &description)
        : std::runtime_error(description.toStdString()), m_description(description) {}
    QString description() const { return m_description; }

private:
    QString m_description;
};

// The readable description of whatever was thrown.
QString describeFailure(std::exception_ptr failure);

} // namespace shell
