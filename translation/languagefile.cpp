#include "translation/languagefile.h"

#include "translation/codepage.h"

#include <QFile>
#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kRecordEnd = QStringLiteral("|$$");

// Characters first..last of a text, counted from 1; empty when last < first.
QStringView CharsBetween(QStringView text, qsizetype first, qsizetype last)
{
    if (last < first)
        return {};
    return text.mid(first - 1, last - first + 1);
}

// Position of a text in a record counted from 1; 0 when it does not occur.
qsizetype PositionOf(QStringView record, QStringView part) { return record.indexOf(part) + 1; }

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

QString NormalizeKey(QStringView rawKey)
{
    QString key;
    key.reserve(rawKey.size());
    for (const QChar c : AsciiLower(rawKey)) {
        const QChar blankened = (IsLineBreak(c) || c == u'\t') ? QChar(u' ') : c;
        const bool repeatsBlank = blankened == u' ' && (key.isEmpty() || key.back() == u' ');
        if (!repeatsBlank)
            key += blankened;
    }
    return key;
}

QString BlankLineBreaks(QStringView rawValue)
{
    QString value = rawValue.toString();
    for (QChar& c : value) {
        if (IsLineBreak(c))
            c = u' ';
    }
    return value;
}

} // namespace

LanguageText ReadLanguageText(QIODevice& stream, qint64 limit)
{
    if (!stream.isReadable())
        return {};
    if (!stream.isSequential() && !stream.seek(0))
        return {};
    // A stream that knows its size is read at that size: asking for the whole limit
    // would allocate it on every load.
    const qint64 wanted = stream.isSequential() ? limit + 1 : std::min(limit + 1, stream.size());
    QByteArray bytes = stream.read(wanted);
    const bool cutShort = bytes.size() > limit;
    if (cutShort) {
        const qsizetype lastRecordEnd = bytes.lastIndexOf(kRecordEnd.toLatin1(), limit - kRecordEnd.size());
        bytes.truncate(lastRecordEnd < 0 ? 0 : lastRecordEnd + kRecordEnd.size());
    }
    return {DecodeUtf8OrWindows1252(bytes), cutShort};
}

std::unique_ptr<QFile> OpenRegularFile(const QString& path)
{
    // Opened without waiting (a pipe would wait for a writer), then looked at.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat info { };
    auto file = std::make_unique<QFile>(path);
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)
        || !file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return nullptr;
    }
    return file;
}

RecordReader::RecordReader(QString text)
    : m_text(std::move(text))
{
}

std::optional<QStringView> RecordReader::NextRecord()
{
    const qsizetype end = m_text.indexOf(kRecordEnd, m_position, Qt::CaseInsensitive);
    if (end < 0)
        return std::nullopt;
    const qsizetype start = m_position;
    m_position = end + kRecordEnd.size();
    return QStringView(m_text).mid(start, m_position - start);
}

LanguageEntry ParseRecord(QStringView record)
{
    const qsizetype keyStart = PositionOf(record, u"[");
    const qsizetype separator = PositionOf(record, u"]=");
    const qsizetype end = PositionOf(record, kRecordEnd);
    return {NormalizeKey(CharsBetween(record, keyStart + 1, separator - 1)),
            BlankLineBreaks(CharsBetween(record, separator + 2, end - 1))};
}

QString DisplayValue(const QString& fileValue, const QString& appName)
{
    QString value = fileValue;
    value.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    value.replace(QStringLiteral("<%APPNAME%>"), appName, Qt::CaseInsensitive);
    return value;
}

QString AsciiLower(QStringView text)
{
    QString lower = text.toString();
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lower;
}

QString LanguageFileName(const QString& programPath)
{
    const QString exeSuffix = QStringLiteral(".exe");
    QString base = programPath;
    if (base.endsWith(exeSuffix, Qt::CaseInsensitive))
        base.chop(exeSuffix.size());
    return base + QStringLiteral(".itl");
}
