#include "translation/placeholders.h"

#include <optional>

namespace {

struct Placeholder {
    qsizetype argIndex;
    qsizetype length;
};

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The placeholder that starts at position `at`, if any, naming one of `argCount` arguments.
std::optional<Placeholder> PlaceholderAt(QStringView text, qsizetype at, qsizetype argCount)
{
    if (!text.mid(at).startsWith(u"<%"))
        return std::nullopt;
    const qsizetype digitsStart = at + 2;
    qsizetype digitsEnd = digitsStart;
    while (digitsEnd < text.size() && IsAsciiDigit(text[digitsEnd]))
        ++digitsEnd;
    if (digitsEnd == digitsStart || text[digitsStart] == u'0' || !text.mid(digitsEnd).startsWith(u"%>"))
        return std::nullopt;
    bool isNumber = false;
    const qlonglong number = text.mid(digitsStart, digitsEnd - digitsStart).toLongLong(&isNumber);
    if (!isNumber || number > argCount)
        return std::nullopt;
    return Placeholder{static_cast<qsizetype>(number - 1), digitsEnd + 2 - at};
}

} // namespace

QString ReplaceArguments(const QString& text, const QStringList& args)
{
    if (args.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        if (const auto placeholder = PlaceholderAt(text, at, args.size())) {
            result += args[placeholder->argIndex];
            at += placeholder->length;
        } else {
            result += text[at];
            ++at;
        }
    }
    return result;
}
