#include "datafiles.h"
#include "dataset/examples.h"
#include "dataset/linefit.h"
#include "dataset/pointfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sys/stat.h>

namespace {

struct BadFile {
    const char* fault;
    QByteArray bytes;
    const char* message;
};

QByteArray Rows(int count)
{
    QByteArray bytes = "x,y\n";
    for (int i = 0; i < count; ++i)
        bytes += QByteArray::number(i) + ",1\n";
    return bytes;
}

std::vector<BadFile> BadFiles()
{
    return {
        {"text cell", "x,y\n1,2\n2,3\n3,4\n4,5\n5,6\nabc,7\n", "line 7: \"abc\" is not a number"},
        {"first fault of the file counts", "x,y\n1,2\n2,abc\nfoo,3\n", "line 3: \"abc\" is not a number"},
        {"too many fields", "x,y\n1,2\n3,4,5\n", "line 3: 3 fields, but line 1 has 2"},
        {"too few fields", "\nx,y,z\r1,2,3\r4\r", "line 4: 1 field, but line 2 has 3"},
        {"decimal comma with comma separator", "x,y\n1,5,2\n", "line 2: 3 fields, but line 1 has 2"},
        {"nan", "x,y\n1,2\n2,nan\n", "line 3: \"nan\" is not a finite number"},
        {"infinity", "x,y\n1,-Infinity\n2,3\n", "line 2: \"-Infinity\" is not a finite number"},
        {"overflow", "x,y\n1,1e999\n2,3\n", "line 2: \"1e999\" is not a finite number"},
        {"empty cell", "x,y\n1,2\n3,\n", "line 3: no value in column \"y\""},
        {"thousands separator", "x;y\n1.234,5;2\n3;4\n", "line 2: \"1.234,5\" is not a number"},
        {"hexadecimal", "x,y\n0x10,2\n3,4\n", "line 2: \"0x10\" is not a number"},
        {"exponent without digits", "x,y\n1e,2\n3,4\n", "line 2: \"1e\" is not a number"},
        {"long text cell", "x,y\n1,2\n3," + QByteArray(100000, 'a') + "\n",
         "line 3: \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\u2026\" is not a number"},
        {"label column leaves one number column", "name,x\nAnn,1\nBob,2\n",
         "line 2: \"Ann\" is not a number"},
        {"one column", "x\n1\n2\n", "fewer than 2 numeric columns"},
        {"NUL bytes", QByteArray("x,y\n1,2\n\0\0\0\n", 12), "not a text file"},
        {"image", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "not a text file"},
        {"escape sequence", "x,y\n1,2\x1B[0m\n3,4\n", "not a text file"},
        {"byte unassigned in Windows-1252", "x\x81,y\n1,2\n3,4\n", "not a text file"},
        {"UTF-16 cut in a character", "\xFF\xFEx\0,\0y\0\n", "not a text file"},
        {"unterminated quote", "x,y\n\"1,2\n3,4\n", "line 2: quote not closed"},
        {"text after a closing quote", "x,y\n\"1\"2,3\n4,5\n", "line 2: text after a closing quote"},
        {"3 MiB of quotes", QByteArray(3 * 1024 * 1024 + 1, '"'), "line 1: quote not closed"},
        {"1,001 fields", QByteArray("1,").repeated(1000) + "1\n", "line 1: more than 1,000 fields"},
        {"10,001 rows", Rows(kMaxPoints + 1), "more than 10,000 points"},
        {"1 row", "x,y\n1,2\n", "fewer than 2 points"},
        {"only a header", "x,y\n", "fewer than 2 points"},
        {"empty file", "", "the file is empty"},
        {"only blank lines", "\n\r\n  \n", "the file is empty"},
        {"equal x", "x,y\n3,1\n3,2\n3,5\n", "all x values are equal: the slope is not defined"},
        {"50 MB in one line", QByteArray("1,").repeated(25 * 1000 * 1000),
         "file is too large (more than 4 MiB)"},
    };
}

} // namespace

TEST(BadFiles, GiveTheirMessageAndNoData)
{
    const QTemporaryDir dir;
    for (const BadFile& file : BadFiles()) {
        SCOPED_TRACE(file.fault);
        const QString path = WriteDataFile(dir, file.bytes);
        QElapsedTimer clock;
        clock.start();
        const Result<PointSet> points = ReadPointFile(path);
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_FALSE(points.Ok());
        EXPECT_EQ(points.Message(), file.message);
    }
}

TEST(BadFiles, OnlyRegularFilesAreOpened)
{
    const QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, dir.filePath("link to pipe")));
    const struct {
        QString path;
        const char* message;
    } cases[] = {
        {fifo, "not a regular file"},
        {dir.filePath("link to pipe"), "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {dir.path(), "is a directory, not a file"},
        {dir.filePath("missing.csv"), "file not found"},
        {dir.filePath("missing/data.csv"), "file not found"},
        {"", "file not found"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.path.toStdString());
        EXPECT_EQ(ReadPointFile(item.path).Message(), item.message);
    }
}

// Damaged copies of the examples: each gives data or a message, quickly.
TEST(BadFiles, MutatedExamplesNeverCrashOrHang)
{
    std::vector<QByteArray> originals;
    for (const QString& name : ExampleNames(BuiltExamples())) {
        QFile file(ExampleFile(name, BuiltExamples()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        originals.push_back(file.readAll());
    }
    ASSERT_EQ(originals.size(), 6u);

    static constexpr char kAlphabet[] = "0123456789,;\t\"\r\n .-+eEnaif\0\xFF\xC3\x80\x1B";
    const QByteArray alphabet(kAlphabet, sizeof kAlphabet - 1);
    std::mt19937 random(20240611);
    const auto below = [&](qsizetype n) {
        return static_cast<qsizetype>(std::uniform_int_distribution<qsizetype>(0, n - 1)(random));
    };
    int accepted = 0;
    int refused = 0;
    qint64 slowest = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = originals[below(originals.size())];
        for (int change = 1 + below(4); change > 0 && !bytes.isEmpty(); --change) {
            const qsizetype at = below(bytes.size());
            const qsizetype length = std::min<qsizetype>(1 + below(16), bytes.size() - at);
            switch (below(5)) {
            case 0:
                bytes[at] = alphabet[below(alphabet.size())];
                break;
            case 1:
                bytes.insert(at, alphabet[below(alphabet.size())]);
                break;
            case 2:
                bytes.remove(at, length);
                break;
            case 3:
                bytes.insert(at, bytes.mid(at, length).repeated(1 + below(50)));
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        QElapsedTimer clock;
        clock.start();
        const Result<DataTable> table = ParseDataTable(bytes);
        if (table.Ok()) {
            const DataTable& data = table.Value();
            ASSERT_GE(data.names.size(), 2);
            ASSERT_EQ(data.columns.size(), static_cast<std::size_t>(data.names.size()));
            for (const std::vector<double>& column : data.columns) {
                ASSERT_EQ(column.size(), data.columns[0].size());
                ASSERT_TRUE(
                    std::all_of(column.begin(), column.end(), [](double v) { return std::isfinite(v); }));
            }
            const Result<PointSet> points = PickPoints(data, 0, 1);
            if (points.Ok()) {
                EXPECT_TRUE(FitLine(points.Value()).Ok());
            }
        } else {
            EXPECT_FALSE(table.Message().isEmpty());
        }
        ++(table.Ok() ? accepted : refused);
        slowest = std::max(slowest, clock.elapsed());
    }
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
    EXPECT_LT(slowest, 500);
}
