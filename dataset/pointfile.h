#pragma once
// Point sets from data files and back: the interface for opening and saving data.
//
// Opening a file is two steps, so that the caller can ask which columns to use:
//
//     Result<DataTable> table = ReadDataTable(path);        // every numeric column
//     if (!table) { tell the user table.Message(); return; }
//     // table.Value().names lists the numeric columns; with more than two, ask which
//     // two to use, or take 0 and 1 as ReadPointFile does.
//     Result<PointSet> points = PickPoints(table.Value(), xColumn, yColumn);
//     if (!points) { tell the user points.Message(); return; }
//
// Saving: WritePointFile(path, points) gives an Outcome; !outcome means
// outcome.Message() says why the file was not written.
//
// Messages are short English texts without the file name and without a trailing full
// stop, such as `line 7: "abc" is not a number`; the caller puts the file name in front.
// A failure never comes with data: a bad file gives nothing but its message.
//
// Beside this: dataset/examples.h lists the shipped example sets (ExampleNames) and gives
// the file of one (ExampleFile) to read as above; dataset/linefit.h computes the
// least-squares line of a point set (FitLine).
#include "dataset/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// A point set has this many points at least and at most.
inline constexpr int kMinPoints = 2;
inline constexpr int kMaxPoints = 10000;
// Data files are read up to this size; a larger one is refused unread. (A file of
// 10,000 points with a few columns is well below 1 MiB.)
inline constexpr qint64 kMaxDataFileBytes = 4 * 1024 * 1024;
// Rows may have at most this many fields.
inline constexpr int kMaxColumns = 1000;

// The numeric columns of a data file, in file order, all of the same length (2 to
// kMaxPoints rows; PickPoints checks the rest).
struct DataTable {
    QStringList names; // one per column, never empty
    std::vector<std::vector<double>> columns; // columns[c][row], finite numbers
};

// Two columns of a table as points; x and y have the same length.
struct PointSet {
    QString xName = QStringLiteral("x");
    QString yName = QStringLiteral("y");
    std::vector<double> x;
    std::vector<double> y;
};

// The numeric columns of a CSV or TSV file, as spreadsheets and other programs write them:
// - The separator is a tab, semicolon or comma (see DetectSeparator). In a semicolon file
//   a number may have a decimal comma ("2,5").
// - Fields may be in double quotes ("" is one quote); blank lines and lines of empty
//   fields only (",,") are skipped; lines end with LF, CR LF or CR; a UTF-8 byte-order
//   mark is dropped; UTF-16 with a byte-order mark and 8-bit Windows-1252 text are read
//   too (see DecodeText).
// - The first row is a header when one of its fields is quoted or not a number, in a
//   column where the next row holds a number (or when it is the only row). Its fields,
//   with white space simplified, name the columns; an empty one is named "column N"
//   after its place in the row. Without a header two columns are "x" and "y", more
//   are "column 1", "column 2", ….
// - Every row has as many fields as the first. A column without any number is text (a
//   label column, say) and left out, unless fewer than two numeric columns remain; in
//   every other column each field must be a finite number.
// The messages, in the order they are checked (N is a line number, counted from 1):
//   the messages of ReadRegularFile and DecodeText,
//   "line N: quote not closed", "line N: text after a closing quote",
//   "line N: more than 1,000 fields", "line N: 3 fields, but line 1 has 2",
//   "more than 10,000 points", "the file is empty" (nothing but blank lines),
//   "fewer than 2 points" (fewer than two rows below the header),
//   `line N: "abc" is not a number`, `line N: "inf" is not a finite number` (also "nan"
//   and numbers too large for double, such as 1e999), `line N: no value in column "y"`,
//   the first of these in the file (a long field is cut after 40 characters with "…");
//   "fewer than 2 numeric columns".
Result<DataTable> ReadDataTable(const QString& path);

// The same for the bytes of a file (without the size cap, which is the caller's).
Result<DataTable> ParseDataTable(QByteArrayView bytes);

// The points of two columns of a table (indexes into table.names; they may be the same).
// Messages: "no column N" (N counted from 1), and those of CheckPoints.
Result<PointSet> PickPoints(const DataTable& table, int xColumn, int yColumn);

// A data file's points from its first two numeric columns (for the command line).
Result<PointSet> ReadPointFile(const QString& path);

// Whether the points form a valid set: "x and y differ in length", "fewer than 2 points",
// "more than 10,000 points", "point N is not a finite number" (N counted from 1),
// "all x values are equal: the slope is not defined".
Outcome CheckPoints(std::span<const double> x, std::span<const double> y);
Outcome CheckPoints(const PointSet& points);

// The points as CSV: a header row with the two names, then one "x,y" row per point,
// separated by commas, "." as the decimal point, each number with the fewest digits that
// read back as exactly that number, lines ending in LF. A name is quoted when it holds a
// comma, quote, line break or space at either end, or looks like a number (so that the
// header stays a header); the text is UTF-8, with a byte-order mark only when a name
// holds non-ASCII characters, so that spreadsheets read the names right.
QByteArray PointsCsv(const PointSet& points);

// Writes PointsCsv to a file, replacing it as a whole or not at all. Refuses a set that
// CheckPoints refuses (with its message), or says "cannot write the file".
Outcome WritePointFile(const QString& path, const PointSet& points);
