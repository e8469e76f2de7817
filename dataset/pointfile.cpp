#include "dataset/pointfile.h"

#include "dataset/csvrecords.h"
#include "dataset/numbertext.h"
#include "dataset/textfile.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Counts as people write them: "10,000".
QString CountText(int count) { return QLocale(QLocale::English).toString(count); }

QString FieldCount(std::size_t count)
{
    return count == 1 ? QStringLiteral("1 field") : QStringLiteral("%1 fields").arg(count);
}

QString LineMessage(int line, const QString& reason)
{
    return QStringLiteral("line %1: %2").arg(line).arg(reason);
}

// A field's text as a message shows it: at most 40 characters, cut with "…".
QString Shortened(const QString& text)
{
    constexpr qsizetype kShown = 40;
    return text.size() <= kShown ? text : text.left(kShown) + QChar(0x2026);
}

bool IsNumber(const Field& field, bool decimalComma)
{
    return ReadNumberCell(field.text, decimalComma).kind == CellKind::Number;
}

// Whether the first record names the columns: one of its fields is quoted or text where
// the next record has a number.
bool IsHeader(const Record& first, const Record* next, bool decimalComma)
{
    for (std::size_t c = 0; c < first.fields.size(); ++c) {
        const Field& field = first.fields[c];
        const bool textual = field.quoted || (!field.text.isEmpty() && !IsNumber(field, decimalComma));
        if (!textual)
            continue;
        if (next == nullptr || (c < next->fields.size() && IsNumber(next->fields[c], decimalComma)))
            return true;
    }
    return false;
}

QStringList ColumnNames(const Record& first, bool header)
{
    const int count = static_cast<int>(first.fields.size());
    QStringList names;
    for (int c = 0; c < count; ++c) {
        const QString given = header ? first.fields[c].text.simplified() : QString();
        if (!given.isEmpty())
            names << given;
        else if (!header && count == 2)
            names << (c == 0 ? QStringLiteral("x") : QStringLiteral("y"));
        else
            names << QStringLiteral("column %1").arg(c + 1);
    }
    return names;
}

// One column while the rows come in.
class ColumnBuilder {
public:
    explicit ColumnBuilder(QString name)
        : m_name(std::move(name))
    {
    }

    void Add(const Field& field, int line, bool decimalComma)
    {
        const NumberCell cell = ReadNumberCell(field.text, decimalComma);
        if (cell.kind == CellKind::Number) {
            m_values.push_back(cell.value);
            ++m_numbers;
            return;
        }
        m_values.push_back(std::numeric_limits<double>::quiet_NaN());
        if (m_problemLine == 0) {
            m_problemLine = line;
            m_problem = LineMessage(line, Reason(cell.kind, field.text));
        }
    }

    bool IsNumeric() const { return m_numbers > 0; }
    int ProblemLine() const { return m_problemLine; }
    const QString& Problem() const { return m_problem; }
    const QString& Name() const { return m_name; }
    std::vector<double> TakeValues() { return std::move(m_values); }

private:
    QString Reason(CellKind kind, const QString& text) const
    {
        switch (kind) {
        case CellKind::Empty:
            return QStringLiteral("no value in column \"%1\"").arg(m_name);
        case CellKind::NotFinite:
            return QStringLiteral("\"%1\" is not a finite number").arg(Shortened(text));
        default:
            return QStringLiteral("\"%1\" is not a number").arg(Shortened(text));
        }
    }

    QString m_name;
    std::vector<double> m_values;
    int m_numbers = 0;
    int m_problemLine = 0; // line of the first field that is not a finite number; 0: none
    QString m_problem;
};

// Collects the data rows into columns and checks them.
class TableBuilder {
public:
    TableBuilder(const Record& first, bool header, bool decimalComma)
        : m_firstLine(first.line)
        , m_width(first.fields.size())
        , m_decimalComma(decimalComma)
    {
        for (const QString& name : ColumnNames(first, header))
            m_columns.emplace_back(name);
    }

    // A message when the row is refused.
    QString AddRow(const Record& record)
    {
        if (record.fields.size() != m_width)
            return LineMessage(record.line,
                               QStringLiteral("%1, but line %2 has %3")
                                   .arg(FieldCount(record.fields.size()))
                                   .arg(m_firstLine)
                                   .arg(m_width));
        if (++m_rows > kMaxPoints)
            return QStringLiteral("more than %1 points").arg(CountText(kMaxPoints));
        for (std::size_t c = 0; c < m_width; ++c)
            m_columns[c].Add(record.fields[c], record.line, m_decimalComma);
        return {};
    }

    Result<DataTable> Finish()
    {
        if (m_rows < kMinPoints)
            return Result<DataTable>::Failure(QStringLiteral("fewer than 2 points"));
        std::vector<ColumnBuilder*> numeric;
        for (ColumnBuilder& column : m_columns) {
            if (column.IsNumeric())
                numeric.push_back(&column);
        }
        // Text columns are left out, unless too few columns remain: then their text is
        // the fault to show.
        std::vector<ColumnBuilder*> checked = numeric;
        if (numeric.size() < 2) {
            checked.clear();
            for (ColumnBuilder& column : m_columns)
                checked.push_back(&column);
        }
        if (const ColumnBuilder* first = FirstProblem(checked))
            return Result<DataTable>::Failure(first->Problem());
        if (numeric.size() < 2)
            return Result<DataTable>::Failure(QStringLiteral("fewer than 2 numeric columns"));

        DataTable table;
        for (ColumnBuilder* column : numeric) {
            table.names << column->Name();
            table.columns.push_back(column->TakeValues());
        }
        return table;
    }

private:
    // The column whose first problem comes first in the file (leftmost on a line).
    static const ColumnBuilder* FirstProblem(const std::vector<ColumnBuilder*>& columns)
    {
        const ColumnBuilder* first = nullptr;
        for (const ColumnBuilder* column : columns) {
            const int line = column->ProblemLine();
            if (line > 0 && (first == nullptr || line < first->ProblemLine()))
                first = column;
        }
        return first;
    }

    int m_firstLine;
    std::size_t m_width;
    bool m_decimalComma;
    std::vector<ColumnBuilder> m_columns;
    int m_rows = 0;
};

Result<DataTable> ParseText(QStringView text)
{
    const QChar separator = DetectSeparator(text);
    const bool decimalComma = separator == u';';
    RecordReader reader(text, separator, kMaxColumns);
    Record first;
    if (!reader.Next(first)) {
        const QString& error = reader.Error();
        return Result<DataTable>::Failure(error.isEmpty() ? QStringLiteral("the file is empty") : error);
    }
    Record record;
    const bool haveSecond = reader.Next(record);
    const bool header = IsHeader(first, haveSecond ? &record : nullptr, decimalComma);
    TableBuilder builder(first, header, decimalComma);
    QString refused = header ? QString() : builder.AddRow(first);
    if (refused.isEmpty() && haveSecond) {
        do
            refused = builder.AddRow(record);
        while (refused.isEmpty() && reader.Next(record));
    }
    if (refused.isEmpty())
        refused = reader.Error();
    if (!refused.isEmpty())
        return Result<DataTable>::Failure(refused);
    return builder.Finish();
}

} // namespace

Result<DataTable> ReadDataTable(const QString& path)
{
    Result<QByteArray> bytes = ReadRegularFile(path, kMaxDataFileBytes);
    if (!bytes)
        return Result<DataTable>::Failure(bytes.Message());
    return ParseDataTable(bytes.Value());
}

Result<DataTable> ParseDataTable(QByteArrayView bytes)
{
    const Result<QString> text = DecodeText(bytes);
    if (!text)
        return Result<DataTable>::Failure(text.Message());
    return ParseText(text.Value());
}

Result<PointSet> PickPoints(const DataTable& table, int xColumn, int yColumn)
{
    for (const int column : {xColumn, yColumn}) {
        if (column < 0 || column >= table.names.size())
            return Result<PointSet>::Failure(QStringLiteral("no column %1").arg(column + 1));
    }
    PointSet points;
    points.xName = table.names[xColumn];
    points.yName = table.names[yColumn];
    points.x = table.columns[xColumn];
    points.y = table.columns[yColumn];
    if (const Outcome check = CheckPoints(points); !check)
        return Result<PointSet>::Failure(check.Message());
    return points;
}

Result<PointSet> ReadPointFile(const QString& path)
{
    const Result<DataTable> table = ReadDataTable(path);
    if (!table)
        return Result<PointSet>::Failure(table.Message());
    return PickPoints(table.Value(), 0, 1);
}

Outcome CheckPoints(std::span<const double> x, std::span<const double> y)
{
    const std::size_t count = x.size();
    if (y.size() != count)
        return Outcome::Failure(QStringLiteral("x and y differ in length"));
    if (count < kMinPoints)
        return Outcome::Failure(QStringLiteral("fewer than 2 points"));
    if (count > kMaxPoints)
        return Outcome::Failure(QStringLiteral("more than %1 points").arg(CountText(kMaxPoints)));
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            return Outcome::Failure(QStringLiteral("point %1 is not a finite number").arg(i + 1));
    }
    if (std::all_of(x.begin(), x.end(), [&](double value) { return value == x[0]; }))
        return Outcome::Failure(QStringLiteral("all x values are equal: the slope is not defined"));
    return Success();
}

Outcome CheckPoints(const PointSet& points) { return CheckPoints(points.x, points.y); }
