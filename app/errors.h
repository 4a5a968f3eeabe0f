#pragma once

#include <QString>

#include <stdexcept>

// A run-time error of the program. Raised where a step cannot go on; caught by the load
// fallback where a screen guards its set-up, and otherwise by the wrapper every handler runs in.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
};
