#pragma once
// Base class of the exceptions the controls raise; it carries an English message.
#include <QString>

class QObject;
#include <stdexcept>
#include <string>

class EGryphError : public std::runtime_error {
public:
    explicit EGryphError(const char* message)
        : std::runtime_error(message)
    {
    }
    explicit EGryphError(const std::string& message)
        : std::runtime_error(message)
    {
    }
    explicit EGryphError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }

    QString Message() const { return QString::fromStdString(what()); }
};

// The error of Assign/AssignTo between objects that cannot take each other's settings:
// "Cannot assign a TFoo to a TBar".
EGryphError CannotAssign(const QObject* source, const QObject* dest);
