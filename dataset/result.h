#pragma once
// The outcome of an operation that can fail: its value, or a message that says why not.
#include <QString>

#include <optional>
#include <utility>
#include <variant>

template <typename T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}

    static Result Failure(QString message)
    {
        Result failed;
        failed.message_ = std::move(message);
        return failed;
    }

    bool Ok() const { return value_.has_value(); }
    explicit operator bool() const { return Ok(); }

    // The value; only when Ok().
    const T& Value() const& { return *value_; }
    T&& Value() && { return std::move(*value_); }

    // Why there is no value, in English, without a trailing full stop; empty when Ok().
    const QString& Message() const { return message_; }

private:
    Result() = default;

    std::optional<T> value_;
    QString message_;
};

// Success or the message of a failure, for operations that give no value.
using Outcome = Result<std::monostate>;
inline Outcome Success()
{
    return Outcome(std::monostate{});
}
