#pragma once

#include <QString>

#include <stdexcept>

// A failed step of a command, with the French text that tells the user
// what failed. Raised by the commands, reported by guarded().
class CommandError : public std::runtime_error
{
public:
    explicit CommandError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
