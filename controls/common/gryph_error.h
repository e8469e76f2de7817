#pragma once
// Base class of the exceptions the controls raise; it carries an English message.
#include <QString>
#include <stdexcept>
#include <string>

class EGryphError : public std::runtime_error {
public:
    explicit EGryphError(const char* message) : std::runtime_error(message) {}
    explicit EGryphError(const std::string& message) : std::runtime_error(message) {}
    explicit EGryphError(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString Message() const { return QString::fromStdString(what()); }
};
