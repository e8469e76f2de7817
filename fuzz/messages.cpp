// Every message decoder: the link's dispatch of received blocks (quit, reply, handed-over
// parameters, other codes) and the decoding of each answer the link asks the server for.
// Input: a sequence of messages, each a selector byte, a 16-bit little-endian length and
// that many bytes of data block (stamp, then payload). One link takes the whole sequence,
// so that what one message leaves behind meets the next.
#include "fuzz/check.h"
#include "fuzz/fuzzlink.h"

namespace {

constexpr int MaxPendingReplies = 64;

// The answers of the server, read as the link reads them.
void DecodeAnswer(quint8 kind, TQuilletMessageStream& answer)
{
    switch (kind % 4) {
    case 0: { // a found entity
        TEntity entity;
        entity.ReadRecord(answer);
        break;
    }
    case 1: // a process identifier
        answer.ReadInt32();
        break;
    case 2: // a fetched file: found flag, then the content
        if (answer.ReadByte() != 0)
            answer.ReadRest();
        break;
    default: // a text: file name, string or parameter
        answer.ReadString();
    }
    FUZZ_CHECK(answer.Position() <= answer.Size());
}

void Receive(TFuzzLink& link, quint8 selector, const QByteArray& block)
{
    if (selector < 128) {
        // Codes from quit up to one past the last known code.
        link.ReceiveDataBlock(7, QuilletCode::Quit + selector % 12, block);
    } else {
        const auto answer = TQuilletMessageStream::FromDataBlock(&link, QuilletCode::Reply, 7, block);
        DecodeAnswer(selector, *answer);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceQt();
    UsePrivateRuntimeDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TFuzzLink link;
    link.OnGotAMessage = [](QObject*, TQuilletMessageStream& message) { message.ReadString(); };
    size_t at = 0;
    while (at + 3 <= size) {
        const quint8 selector = data[at];
        const size_t length = std::min<size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        const QByteArray block(reinterpret_cast<const char*>(data) + at + 3, qsizetype(length));
        at += 3 + length;
        try {
            Receive(link, selector, block);
        } catch (const EQuillet&) {
            // Refused: too short, or a read past the end of the payload.
        }
        FUZZ_CHECK(link.ParamCount() >= 0);
        FUZZ_CHECK(link.PendingReplyCount() <= MaxPendingReplies);
    }
    return 0;
}
