#include "dataset/pointfile.h"

#include "dataset/numbertext.h"

#include <QSaveFile>

#include <algorithm>

namespace {

bool NeedsQuotes(const QString& name)
{
    static const QString kSpecial = QStringLiteral(",;\t\"\r\n");
    const bool special = std::any_of(name.begin(), name.end(), [](QChar c) { return kSpecial.contains(c); });
    return special || name.isEmpty() || ReadNumberCell(name, true).kind == CellKind::Number;
}

QString CsvName(const QString& name)
{
    if (!NeedsQuotes(name))
        return name;
    QString escaped = name;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

bool IsAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QByteArray PointsCsv(const PointSet& points)
{
    QString text = CsvName(points.xName) + u',' + CsvName(points.yName) + u'\n';
    const std::size_t count = std::min(points.x.size(), points.y.size());
    for (std::size_t i = 0; i < count; ++i)
        text += NumberText(points.x[i]) + u',' + NumberText(points.y[i]) + u'\n';
    const bool needsMark = !IsAscii(points.xName) || !IsAscii(points.yName);
    return (needsMark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

Outcome WritePointFile(const QString& path, const PointSet& points)
{
    if (const Outcome check = CheckPoints(points); !check)
        return check;
    QSaveFile file(path);
    const QByteArray bytes = PointsCsv(points);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Outcome::Failure(QStringLiteral("cannot write the file"));
    return Success();
}
