#pragma once
// The outcome of an operation that can fail: its value, or a message that says why not.
#include <QString>

#include <optional>
#include <utility>
#include <variant>

template <typename T>
class Result {
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }

    static Result Failure(QString message)
    {
        Result failed;
        failed.m_message = std::move(message);
        return failed;
    }

    bool Ok() const { return m_value.has_value(); }
    explicit operator bool() const { return Ok(); }

    // The value; only when Ok().
    const T& Value() const& { return *m_value; }
    T&& Value() && { return std::move(*m_value); }

    // Why there is no value, in English, without a trailing full stop; empty when Ok().
    const QString& Message() const { return m_message; }

private:
    Result() = default;

    std::optional<T> m_value;
    QString m_message;
};

// Success or the message of a failure, for operations that give no value.
using Outcome = Result<std::monostate>;
inline Outcome Success() { return Outcome(std::monostate{}); }
