#include "dataset/csvrecords.h"

#include <QLocale>

#include <algorithm>

namespace {

bool IsLineBreak(QChar c) { return c == u'\n' || c == u'\r'; }

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
    : m_text(text)
    , m_separator(separator)
    , m_maxFields(maxFields)
{
}

bool RecordReader::Next(Record& record)
{
    while (m_pos < m_text.size()) {
        if (!ReadRecord(record))
            return false;
        if (!IsBlank(record))
            return true;
    }
    return false;
}

bool RecordReader::ReadRecord(Record& record)
{
    record.line = m_line;
    record.fields.clear();
    for (;;) {
        if (static_cast<int>(record.fields.size()) == m_maxFields)
            return Fail(
                record.line,
                QStringLiteral("more than %1 fields").arg(QLocale(QLocale::English).toString(m_maxFields)));
        Field& field = record.fields.emplace_back();
        if (!ReadField(field))
            return false;
        if (m_pos < m_text.size() && m_text[m_pos] == m_separator) {
            ++m_pos;
            continue;
        }
        SkipLineEnd();
        return true;
    }
}

bool RecordReader::ReadField(Field& field)
{
    SkipSpaces();
    if (m_pos < m_text.size() && m_text[m_pos] == u'"')
        return ReadQuotedField(field);
    ReadUnquotedField(field);
    return true;
}

bool RecordReader::ReadQuotedField(Field& field)
{
    const int openedOn = m_line;
    field.quoted = true;
    ++m_pos;
    for (;;) {
        const qsizetype quote = m_text.indexOf(u'"', m_pos);
        if (quote < 0)
            return Fail(openedOn, QStringLiteral("quote not closed"));
        const QStringView part = m_text.sliced(m_pos, quote - m_pos);
        for (qsizetype i = 0; i < part.size(); ++i) {
            const bool crlf = part[i] == u'\r' && i + 1 < part.size() && part[i + 1] == u'\n';
            if (IsLineBreak(part[i]) && !crlf)
                ++m_line;
        }
        field.text += part;
        m_pos = quote + 1;
        if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
            field.text += u'"';
            ++m_pos;
            continue;
        }
        break;
    }
    field.text = field.text.trimmed();
    SkipSpaces();
    if (m_pos < m_text.size() && m_text[m_pos] != m_separator && !AtLineEnd())
        return Fail(m_line, QStringLiteral("text after a closing quote"));
    return true;
}

void RecordReader::ReadUnquotedField(Field& field)
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != m_separator && !AtLineEnd())
        ++m_pos;
    field.text = m_text.sliced(start, m_pos - start).trimmed().toString();
}

bool RecordReader::AtLineEnd() const { return m_pos < m_text.size() && IsLineBreak(m_text[m_pos]); }

void RecordReader::SkipLineEnd()
{
    if (!AtLineEnd())
        return;
    const bool crlf = m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n';
    m_pos += crlf ? 2 : 1;
    ++m_line;
}

void RecordReader::SkipSpaces()
{
    while (m_pos < m_text.size() && m_text[m_pos] != m_separator && !AtLineEnd() && m_text[m_pos].isSpace())
        ++m_pos;
}

bool RecordReader::Fail(int line, const QString& reason)
{
    m_error = QStringLiteral("line %1: %2").arg(line).arg(reason);
    m_pos = m_text.size();
    return false;
}
