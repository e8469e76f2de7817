#include "dataset/csvrecords.h"

#include <QLocale>

#include <algorithm>

namespace {

bool IsLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool IsBlank(const Record& record)
{
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const Field& field) { return field.text.isEmpty(); });
}

} // namespace

QChar DetectSeparator(QStringView text)
{
    bool inQuotes = false;
    bool sawSemicolon = false;
    bool sawComma = false;
    bool lineHasText = false;
    for (const QChar c : text) {
        if (c == u'"')
            inQuotes = !inQuotes;
        if (inQuotes)
            continue;
        if (IsLineBreak(c) && lineHasText)
            break;
        if (c == u'\t')
            return c;
        sawSemicolon = sawSemicolon || c == u';';
        sawComma = sawComma || c == u',';
        lineHasText = lineHasText || !c.isSpace();
    }
    if (sawSemicolon)
        return u';';
    return u',';
}

RecordReader::RecordReader(QStringView text, QChar separator, int maxFields)
    : text_(text), separator_(separator), maxFields_(maxFields)
{
}

bool RecordReader::Next(Record& record)
{
    while (pos_ < text_.size()) {
        if (!ReadRecord(record))
            return false;
        if (!IsBlank(record))
            return true;
    }
    return false;
}

bool RecordReader::ReadRecord(Record& record)
{
    record.line = line_;
    record.fields.clear();
    for (;;) {
        if (static_cast<int>(record.fields.size()) == maxFields_)
            return Fail(record.line, QStringLiteral("more than %1 fields")
                                         .arg(QLocale(QLocale::English).toString(maxFields_)));
        Field& field = record.fields.emplace_back();
        if (!ReadField(field))
            return false;
        if (pos_ < text_.size() && text_[pos_] == separator_) {
            ++pos_;
            continue;
        }
        SkipLineEnd();
        return true;
    }
}

bool RecordReader::ReadField(Field& field)
{
    SkipSpaces();
    if (pos_ < text_.size() && text_[pos_] == u'"')
        return ReadQuotedField(field);
    ReadUnquotedField(field);
    return true;
}

bool RecordReader::ReadQuotedField(Field& field)
{
    const int openedOn = line_;
    field.quoted = true;
    ++pos_;
    for (;;) {
        const qsizetype quote = text_.indexOf(u'"', pos_);
        if (quote < 0)
            return Fail(openedOn, QStringLiteral("quote not closed"));
        const QStringView part = text_.sliced(pos_, quote - pos_);
        for (qsizetype i = 0; i < part.size(); ++i) {
            const bool crlf = part[i] == u'\r' && i + 1 < part.size() && part[i + 1] == u'\n';
            if (IsLineBreak(part[i]) && !crlf)
                ++line_;
        }
        field.text += part;
        pos_ = quote + 1;
        if (pos_ < text_.size() && text_[pos_] == u'"') {
            field.text += u'"';
            ++pos_;
            continue;
        }
        break;
    }
    field.text = field.text.trimmed();
    SkipSpaces();
    if (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
        return Fail(line_, QStringLiteral("text after a closing quote"));
    return true;
}

void RecordReader::ReadUnquotedField(Field& field)
{
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
        ++pos_;
    field.text = text_.sliced(start, pos_ - start).trimmed().toString();
}

bool RecordReader::AtLineEnd() const
{
    return pos_ < text_.size() && IsLineBreak(text_[pos_]);
}

void RecordReader::SkipLineEnd()
{
    if (!AtLineEnd())
        return;
    const bool crlf = text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n';
    pos_ += crlf ? 2 : 1;
    ++line_;
}

void RecordReader::SkipSpaces()
{
    while (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd() &&
           text_[pos_].isSpace())
        ++pos_;
}

bool RecordReader::Fail(int line, const QString& reason)
{
    error_ = QStringLiteral("line %1: %2").arg(line).arg(reason);
    pos_ = text_.size();
    return false;
}
