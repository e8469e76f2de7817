// Frames arrive from other programs over a socket, in pieces of any size. Input: one
// byte that sets the piece size, then the bytes as they arrive.
#include "courseware/messageframe.h"
#include "fuzz/check.h"

namespace {

constexpr qsizetype HeaderSize = 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype pieceSize = 1 + data[0] % 32;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);

    // Each piece may hold more than the reader wants; what it leaves stays for later.
    TFrameReader reader;
    qsizetype taken = 0;
    while (reader.CurrentStatus() == TFrameReader::Status::Incomplete && taken < bytes.size()) {
        const qint64 wanted = reader.Wanted();
        FUZZ_CHECK(wanted > 0);
        const QByteArray piece = bytes.mid(taken, pieceSize);
        reader.Append(piece);
        taken += std::min<qint64>(wanted, piece.size());
    }
    FUZZ_CHECK(reader.Wanted() >= 0);
    if (reader.CurrentStatus() != TFrameReader::Status::Incomplete)
        FUZZ_CHECK(reader.Wanted() == 0);
    if (reader.CurrentStatus() != TFrameReader::Status::Complete)
        return 0;

    // A whole frame is exactly the bytes it took, and encodes back to them.
    const TDataFrame frame = reader.Frame();
    FUZZ_CHECK(HeaderSize + frame.data.size() == taken);
    FUZZ_CHECK(frame.data.size() <= kMaxDataBlockSize);
    FUZZ_CHECK(EncodeFrame(frame) == bytes.left(taken));
    // Bytes after the frame are not taken.
    reader.Append(QByteArrayLiteral("more"));
    FUZZ_CHECK(reader.CurrentStatus() == TFrameReader::Status::Complete);
    FUZZ_CHECK(reader.Frame().data == frame.data);
    return 0;
}
