#pragma once

#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

class QFile;
class QIODevice;

// Language files (".itl") hold records of the form "[" key "]=" value "|$$"; anything
// between the end of one record and the next "[" is ignored.

// Real language files hold a few hundred kilobytes at most. A stream is read up to this
// many bytes, so that a damaged file or something else entirely cannot hold up the
// program's start for long or take all its memory.
inline constexpr qint64 kMaxLanguageFileSize = 64 * 1024 * 1024;

struct LanguageText {
    QString text;
    bool cutShort = false; // the stream went on beyond the limit
};

// The text of a language file stream, read from its start (a sequential device from
// where it stands) up to limit bytes. When the stream is longer, the text ends with the
// last record that lies whole within the limit. An unreadable stream gives the empty text.
LanguageText ReadLanguageText(QIODevice& stream, qint64 limit = kMaxLanguageFileSize);

// A file opened for reading, or nothing when it cannot be opened or is no regular file:
// a pipe, a device or a folder could hold a read up for ever.
std::unique_ptr<QFile> OpenRegularFile(const QString& path);

// Hands out the records of a language text one after the other.
class RecordReader {
public:
    explicit RecordReader(QString text);

    // The text from the current position up to and including the next "|$$" (found
    // without regard to letter case); nothing when no terminator follows, in which case
    // the rest of the text is not part of any record.
    std::optional<QStringView> NextRecord();

private:
    QString m_text;
    qsizetype m_position = 0;
};

struct LanguageEntry {
    QString key; // lower case (ASCII), whitespace normalized, leading blanks removed
    QString value; // as in the file, with every carriage return and line feed a blank
};

// Key and value of one record. The key runs from after the first "[" (from the start
// when there is none) to before the first "]="; the value from after that "]=" (from
// the second character when there is none) to before the "|$$". A part whose end lies
// before its start is empty, so a record without "]=" has the empty key.
LanguageEntry ParseRecord(QStringView record);

// The text a value shows: "\n" (backslash, n) becomes a line break and "<%APPNAME%>"
// in any letter case becomes the program name.
QString DisplayValue(const QString& fileValue, const QString& appName);

// ASCII letters A..Z in lower case; all other characters unchanged.
QString AsciiLower(QStringView text);

// The language file that belongs to a program: its path without a trailing ".exe",
// plus ".itl".
QString LanguageFileName(const QString& programPath);
