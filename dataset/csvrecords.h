#pragma once
// Splitting delimited text (CSV, TSV) into records and fields.
#include <QChar>
#include <QString>
#include <QStringView>

#include <vector>

// The separator of a text: tab if its first non-blank line holds a tab outside quotes,
// else semicolon if it holds one, else comma. (A semicolon file may write numbers with a
// decimal comma, so commas count last.)
QChar DetectSeparator(QStringView text);

struct Field {
    QString text; // without the quotes and the spaces around
    bool quoted = false; // written in double quotes
};

struct Record {
    int line = 0; // where the record starts, counted from 1
    std::vector<Field> fields;
};

// Hands out the records of a text one after the other. Records end at a line feed, a
// carriage return or both (CR LF); blank records, whose fields are all empty, are
// skipped. A field in double quotes may hold separators and line breaks, and "" stands
// for one quote; a quote inside an unquoted field is an ordinary character.
class RecordReader {
public:
    RecordReader(QStringView text, QChar separator, int maxFields);

    // The next non-blank record. False at the end of the text and on an error, which
    // Error() then tells ("line 4: quote not closed", "line 4: text after a closing
    // quote", "line 1: more than 1,000 fields"); Error() is empty at the end.
    bool Next(Record& record);
    const QString& Error() const { return m_error; }

private:
    bool ReadRecord(Record& record);
    bool ReadField(Field& field);
    bool ReadQuotedField(Field& field);
    void ReadUnquotedField(Field& field);
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipSpaces();
    bool Fail(int line, const QString& reason);

    QStringView m_text;
    QChar m_separator;
    int m_maxFields;
    qsizetype m_pos = 0;
    int m_line = 1;
    QString m_error;
};
