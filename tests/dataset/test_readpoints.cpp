#include "datafiles.h"
#include "dataset/pointfile.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

using Columns = std::vector<std::vector<double>>;

struct GoodFile {
    const char* quirk;
    QByteArray bytes;
    QStringList names;
    Columns columns;
};

QByteArray Utf16LeWithMark(const QString& text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return QByteArray("\xFF\xFE") + QByteArray(encoder.encode(text));
}

GoodFile LargestFile()
{
    GoodFile file{"10,000 points", "x,y\n", {"x", "y"}, {{}, {}}};
    for (int i = 0; i < kMaxPoints; ++i) {
        file.bytes += QByteArray::number(i) + ',' + QByteArray::number(2 * i) + '\n';
        file.columns[0].push_back(i);
        file.columns[1].push_back(2 * i);
    }
    return file;
}

std::vector<GoodFile> GoodFiles()
{
    const QStringList xy{"x", "y"};
    const Columns xy1234{{1, 3}, {2, 4}};
    return {
        {"header, commas", "x,y\n1,2\n3,4.5\n", xy, {{1, 3}, {2, 4.5}}},
        {"no header", "1,2\n3,4\n", xy, xy1234},
        {"no header, three columns",
         "1,2,3\n4,5,6\n",
         {"column 1", "column 2", "column 3"},
         {{1, 4}, {2, 5}, {3, 6}}},
        {"semicolons, decimal comma", "a;b\n1,5;2\n-0,25;1.5\n", {"a", "b"}, {{1.5, -0.25}, {2, 1.5}}},
        {"tabs", "a\tb\n1\t2\n3\t4\n", {"a", "b"}, xy1234},
        {"quoted fields",
         "\"say \"\"hi\"\"\",\"a, b\"\n\"1\",2\n3,\" 4 \"\n",
         {"say \"hi\"", "a, b"},
         xy1234},
        {"blank lines", "\n\nx,y\n\n1,2\n  \n,\n3,4\n\n\n", xy, xy1234},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBFx,y\n1,2\n3,4\n", xy, xy1234},
        {"CR LF", "x,y\r\n1,2\r\n3,4\r\n", xy, xy1234},
        {"CR", "x,y\r1,2\r3,4\r", xy, xy1234},
        {"no line end at the end", "x,y\n1,2\n3,4", xy, xy1234},
        {"label column, unnamed column",
         "\"\",name,h,w\n1,Ann,150,50\n2,Bob,160,60\n",
         {"column 1", "h", "w"},
         {{1, 2}, {150, 160}, {50, 60}}},
        {"Windows-1252",
         "Gr\xF6\xDF"
         "e,\x80\n1,2\n3,4\n",
         {"Größe", "€"},
         xy1234},
        {"UTF-16 with byte-order mark", Utf16LeWithMark("h\tw\r\n1\t2\r\n3\t4\r\n"), {"h", "w"}, xy1234},
        {"number forms", "x,y\n+1,.5\n2.,-3E-2\n 4 , 1e-400\n", xy, {{1, 2, 4}, {0.5, -0.03, 0}}},
        {"line break in a quoted name", "\"first\r\nsecond\",y\n1,2\n3,4\n", {"first second", "y"}, xy1234},
        {"quoted numbers as names", "\"1990\",\"2000\"\n1,2\n3,4\n", {"1990", "2000"}, xy1234},
        LargestFile(),
    };
}

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

} // namespace

TEST(ReadPoints, ReadsTheQuirksOfRealFiles)
{
    const QTemporaryDir dir;
    for (const GoodFile& file : GoodFiles()) {
        SCOPED_TRACE(file.quirk);
        const Result<DataTable> table = ReadDataTable(WriteDataFile(dir, file.bytes));
        ASSERT_TRUE(table.Ok()) << table.Message().toStdString();
        EXPECT_EQ(table.Value().names, file.names);
        EXPECT_EQ(table.Value().columns, file.columns);
    }
}

TEST(ReadPoints, PicksAnyTwoColumns)
{
    const Result<DataTable> table = ParseDataTable("a,b,c\n1,2,3\n4,5,6\n");
    ASSERT_TRUE(table.Ok());
    const Result<PointSet> points = PickPoints(table.Value(), 2, 0);
    ASSERT_TRUE(points.Ok());
    EXPECT_EQ(points.Value().xName, "c");
    EXPECT_EQ(points.Value().yName, "a");
    EXPECT_EQ(points.Value().x, std::vector<double>({3, 6}));
    EXPECT_EQ(points.Value().y, std::vector<double>({1, 4}));
    EXPECT_EQ(PickPoints(table.Value(), 0, 3).Message(), "no column 4");
    EXPECT_TRUE(PickPoints(table.Value(), 1, 1).Ok()); // a valid, if dull, set
}

TEST(WritePoints, WritesPlainCsvThatReadsBackExactly)
{
    PointSet simple;
    simple.x = {0.1, 2};
    simple.y = {-3, 1e100};
    EXPECT_EQ(PointsCsv(simple), "x,y\n0.1,-3\n2,1e+100\n");

    const QTemporaryDir dir;
    PointSet awkward;
    awkward.xName = "weight, kg; \"net\"";
    awkward.yName = "Größe";
    awkward.x = {0.1, 1.0 / 3, -0.0, 5e-324, 1.7976931348623157e308, -123456.789};
    awkward.y = {1e-300, 2.0 / 3, 7, -8.04, 0.30000000000000004, 6.02214076e23};
    PointSet numericNames = simple;
    numericNames.xName = "1990";
    numericNames.yName = "2000";
    for (const PointSet& written : {awkward, numericNames}) {
        const QString path = dir.filePath("out.csv");
        ASSERT_TRUE(WritePointFile(path, written).Ok());
        const Result<PointSet> read = ReadPointFile(path);
        ASSERT_TRUE(read.Ok()) << read.Message().toStdString();
        EXPECT_EQ(read.Value().xName, written.xName);
        EXPECT_EQ(read.Value().yName, written.yName);
        ASSERT_EQ(read.Value().x.size(), written.x.size());
        for (std::size_t i = 0; i < written.x.size(); ++i) {
            EXPECT_EQ(Bits(read.Value().x[i]), Bits(written.x[i])) << i;
            EXPECT_EQ(Bits(read.Value().y[i]), Bits(written.y[i])) << i;
        }
    }

    PointSet one;
    one.x = {1};
    one.y = {2};
    EXPECT_EQ(WritePointFile(dir.filePath("one.csv"), one).Message(), "fewer than 2 points");
    EXPECT_FALSE(QFile::exists(dir.filePath("one.csv")));
    EXPECT_EQ(WritePointFile(dir.path(), simple).Message(), "cannot write the file");
}
