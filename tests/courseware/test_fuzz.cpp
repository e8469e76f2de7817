// Random and mutated blocks fed to the receiving sides: the link's window procedure,
// the server's and the frame reader. Nothing may crash, read past a block or grow
// without bound; bad blocks are refused with EQuillet.
#include "tests/courseware/coursewaretesting.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray RandomBytes(QRandomGenerator& random, int maxLength)
{
    QByteArray bytes(random.bounded(maxLength + 1), '\0');
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// Flips, cuts, inserts or overwrites a few bytes; lengths near the edges are favored.
QByteArray Mutate(QByteArray bytes, QRandomGenerator& random)
{
    const int steps = 1 + random.bounded(4);
    for (int step = 0; step < steps; ++step) {
        const int at = bytes.isEmpty() ? 0 : random.bounded(int(bytes.size()));
        switch (random.bounded(5)) {
        case 0:
            if (!bytes.isEmpty())
                bytes[at] = char(bytes[at] ^ (1 << random.bounded(8)));
            break;
        case 1:
            bytes.truncate(at);
            break;
        case 2:
            bytes.insert(at, RandomBytes(random, 6));
            break;
        case 3: {
            static const qint32 edges[] = {-1, 0, 1, 0x7fffffff, qint32(0x80000000), 255, 65536};
            const qint32 edge = edges[random.bounded(7)];
            bytes.replace(at, 4, QByteArray(reinterpret_cast<const char*>(&edge), 4));
            break;
        }
        default:
            bytes.append(RandomBytes(random, 8));
        }
    }
    return bytes;
}

QByteArray Message(const std::function<void(TQuilletMessageStream&)>& write)
{
    TQuilletMessageStream message;
    message.SetStamp({1000, 739000});
    write(message);
    return message.DataBlock();
}

// Well-formed blocks of every code, to be mutated.
std::vector<std::pair<quint32, QByteArray>> WellFormedBlocks()
{
    TEntity entity;
    entity.SetHandle(77);
    entity.SetFileName(QStringLiteral("/opt/prog"));
    entity.SetTitle(QStringLiteral("Prog"));
    auto record = [&](TQuilletMessageStream& s) { entity.WriteRecord(s); };
    return {
        {QuilletCode::Quit, Message([](auto& s) { s.WriteByte(1); })},
        {QuilletCode::Reply, Message(record)},
        {QuilletCode::Register, Message(record)},
        {QuilletCode::Unregister, Message(record)},
        {QuilletCode::FindEntity, Message([](auto& s) {
             s.WriteByte(2);
             s.WriteString("Prog");
         })},
        {QuilletCode::FindEntity, Message([](auto& s) {
             s.WriteByte(1);
             s.WriteInt32(77);
         })},
        {QuilletCode::NewParameters, Message([](auto& s) {
             s.WriteLines({"/opt/prog", "a b"});
         })},
        {QuilletCode::FetchFile, Message([](auto& s) { s.WriteString("notes.txt"); })},
        {QuilletCode::ServerFileName, Message([](auto& s) { s.WriteString("/opt/prog"); })},
        {QuilletCode::ServerString, Message([](auto& s) { s.WriteString("x"); })},
        {QuilletCode::ServerParam, Message([](auto& s) { s.WriteString("OrvindeWorkArea"); })},
        {12345, Message([](auto& s) { s.WriteString("unknown"); })},
    };
}

// Runs a receiving side over many random and mutated blocks; returns how many it refused.
int Feed(const std::function<void(TWindowHandle, quint32, const QByteArray&)>& receive,
         QRandomGenerator& random, int rounds)
{
    const auto seeds = WellFormedBlocks();
    int refused = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto& seed = seeds[random.bounded(int(seeds.size()))];
        const bool mutated = random.bounded(3) != 0;
        const quint32 code = mutated ? seed.first : 4096 + random.bounded(12);
        const QByteArray block = mutated ? Mutate(seed.second, random) : RandomBytes(random, 40);
        try {
            receive(random.generate(), code, block);
        } catch (const EQuillet&) {
            ++refused;
        }
    }
    return refused;
}

} // namespace

TEST(CoursewareFuzz, LinkSurvivesRandomAndMutatedBlocks)
{
    QRandomGenerator random(20240611);
    TProcessProbe probe;
    TkdbDemonClient link(nullptr, TestEnvironment(probe));
    link.OnQuitMsgReceived = [](QObject*, bool, bool& AllowQuit) { AllowQuit = false; };
    link.OnGotAMessage = [](QObject*, TQuilletMessageStream& message) { message.ReadString(); };
    const int refused = Feed(
        [&](TWindowHandle sender, quint32 code, const QByteArray& block) {
            link.ReceiveDataBlock(sender, code, block);
            ASSERT_GE(link.ParamCount(), 0);
        },
        random, 4000);
    EXPECT_GT(refused, 0);
    EXPECT_LE(link.PendingReplyCount(), 64);
    EXPECT_TRUE(link.WindowExists());
    EXPECT_EQ(probe.terminations, 0);
}

TEST(CoursewareFuzz, ServerSurvivesRandomAndMutatedBlocks)
{
    QRandomGenerator random(7);
    TInProcessServer served;
    served.AddFile("notes.txt", "content");
    const int refused = Feed(
        [&](TWindowHandle sender, quint32 code, const QByteArray& block) {
            // Program starts are left out: mutated requests must not start programs.
            if (code != QuilletCode::ExecuteProgram)
                served.server->Receive(sender, code, block);
        },
        random, 3000);
    EXPECT_GT(refused, 0);
}

TEST(CoursewareFuzz, FrameReaderTakesNoMoreThanOneFrame)
{
    QRandomGenerator random(99);
    const QByteArray frame = EncodeFrame({5, 4101, "some payload"});
    for (int round = 0; round < 3000; ++round) {
        const QByteArray bytes = random.bounded(2) ? Mutate(frame, random) : RandomBytes(random, 64);
        TFrameReader reader;
        qint64 offset = 0;
        while (reader.CurrentStatus() == TFrameReader::Status::Incomplete && offset < bytes.size()) {
            const int piece = 1 + random.bounded(8);
            reader.Append(bytes.mid(offset, piece));
            offset += piece;
        }
        if (reader.CurrentStatus() == TFrameReader::Status::Complete) {
            ASSERT_LE(16 + reader.Frame().data.size(), bytes.size());
        }
        ASSERT_GE(reader.Wanted(), 0);
    }
}
