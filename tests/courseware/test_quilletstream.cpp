// Stamps, payload encodings and what reading a payload does with bad data.
#include "courseware/quillet.h"
#include "courseware/quilletstream.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Int32(qint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    return QByteArray(le, 4);
}

TQuilletMessageStream StreamOf(const QByteArray& content)
{
    TQuilletMessageStream stream;
    stream.Write(content);
    stream.SetPosition(0);
    return stream;
}

bool ReadFails(const QByteArray& content, const std::function<void(TQuilletMessageStream&)>& read)
{
    TQuilletMessageStream stream = StreamOf(content);
    try {
        read(stream);
    } catch (const EQuillet& e) {
        return std::string(e.what()) == "Stream read error";
    }
    return false;
}

} // namespace

TEST(QuilletStamp, CountsDaysFromYearOneAndMillisecondsFromMidnight)
{
    EXPECT_EQ(TStamp::FromDateTime(QDateTime(QDate(1, 1, 1), QTime(0, 0))), (TStamp{0, 1}));
    EXPECT_EQ(TStamp::FromDateTime(QDateTime(QDate(1899, 12, 30), QTime(12, 0, 0, 500))),
              (TStamp{43200500, 693594}));
    EXPECT_EQ(TStamp::FromDateTime(QDateTime(QDate(2000, 3, 1), QTime(23, 59, 59, 999))),
              (TStamp{86399999, 730180}));
    EXPECT_EQ((TStamp{86399999, 5}).Next(), (TStamp{0, 6}));
    EXPECT_EQ((TStamp{7, 5}).Next(), (TStamp{8, 5}));
    EXPECT_LT((TStamp{86399999, 5}), (TStamp{0, 6}));
}

TEST(QuilletStream, WritesAndReadsThePayloadEncodings)
{
    TQuilletMessageStream stream(nullptr, QuilletCode::FindEntity);
    stream.SetStamp({0x11223344, 0x55667788});
    stream.WriteByte(2);
    stream.WriteString(QStringLiteral("Grüße"));
    stream.WriteInt32(-5);
    EXPECT_EQ(stream.Content(),
              QByteArray("\x02") + Int32(7)
                  + "Gr\xc3\xbc\xc3\x9f"
                    "e"
                  + Int32(-5));
    EXPECT_EQ(stream.DataBlock(), Int32(0x11223344) + Int32(0x55667788) + stream.Content());

    stream.SetPosition(0);
    EXPECT_EQ(stream.ReadByte(), 2);
    EXPECT_EQ(stream.ReadString(), QStringLiteral("Grüße"));
    EXPECT_EQ(stream.ReadInt32(), -5);

    // Writing at a position overwrites, then extends.
    stream.SetPosition(1);
    stream.Write(Int32(1));
    stream.Write("xy");
    EXPECT_EQ(stream.Content().mid(1, 6), Int32(1) + "xy");

    TEntity entity;
    entity.SetHandle(0xCAFE);
    entity.SetAuxHandle(42);
    entity.SetFileName(QStringLiteral("/opt/lab/prog"));
    entity.SetTitle(QStringLiteral("Lab"));
    TQuilletMessageStream record;
    entity.WriteRecord(record);
    EXPECT_EQ(record.Content(), Int32(0xCAFE) + Int32(42) + Int32(13) + "/opt/lab/prog" + Int32(3) + "Lab");
    record.SetPosition(0);
    TEntity copy;
    copy.ReadRecord(record);
    EXPECT_EQ(copy.Handle(), 0xCAFEu);
    EXPECT_EQ(copy.AuxHandle(), 42u);
    EXPECT_EQ(copy.FileName(), QStringLiteral("/opt/lab/prog"));
    EXPECT_EQ(copy.Title(), QStringLiteral("Lab"));
}

TEST(QuilletStream, ReadsNeverGoPastTheData)
{
    // Lengths of zero or less read as the empty string and take only the length.
    TQuilletMessageStream stream = StreamOf(Int32(-3) + Int32(0) + "rest");
    EXPECT_EQ(stream.ReadString(), QString());
    EXPECT_EQ(stream.ReadString(), QString());
    EXPECT_EQ(stream.ReadRest(), QByteArray("rest"));

    EXPECT_TRUE(ReadFails(Int32(5) + "four", [](auto& s) { s.ReadString(); }));
    EXPECT_TRUE(ReadFails(Int32(0x7fffffff) + "x", [](auto& s) { s.ReadString(); }));
    EXPECT_TRUE(ReadFails("abc", [](auto& s) { s.ReadInt32(); }));
    EXPECT_TRUE(ReadFails("", [](auto& s) { s.ReadByte(); }));
    const QByteArray record = Int32(1) + Int32(2) + Int32(3) + "abc" + Int32(2) + "xy";
    for (int cut = 0; cut < record.size(); ++cut)
        EXPECT_TRUE(ReadFails(record.left(cut), [](auto& s) { TEntity().ReadRecord(s); })) << cut;

    EXPECT_THROW(TQuilletMessageStream::FromDataBlock(nullptr, 4097, 1, QByteArray(7, 'x')), EQuillet);
    const auto shortest = TQuilletMessageStream::FromDataBlock(nullptr, 4097, 1, QByteArray(8, 'x'));
    EXPECT_EQ(shortest->Size(), 0);
}

TEST(QuilletStream, TextLinesBreakAtAnyLineEnd)
{
    TQuilletMessageStream written;
    written.WriteLines({"a", "", "b c"});
    EXPECT_EQ(written.Content(), QByteArray("a\r\n\r\nb c\r\n"));
    written.SetPosition(0);
    EXPECT_EQ(written.ReadLines(), (QStringList{"a", "", "b c"}));
    EXPECT_EQ(StreamOf("x\ny\rz").ReadLines(), (QStringList{"x", "y", "z"}));
    EXPECT_EQ(StreamOf("").ReadLines(), QStringList());
    // Text from a program that writes Windows-1252 stays readable.
    EXPECT_EQ(StreamOf("Gr\xfc\xdf"
                       "e\r\n")
                  .ReadLines(),
              QStringList{QStringLiteral("Grüße")});
}
