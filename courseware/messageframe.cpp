#include "courseware/messageframe.h"

#include <QtEndian>

namespace {

const QByteArray FrameMarker = QByteArrayLiteral("QMW1");
constexpr qint64 HeaderSize = 16;

void AppendUInt32(QByteArray& bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

quint32 UInt32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

QByteArray EncodeFrame(const TDataFrame& frame)
{
    QByteArray bytes = FrameMarker;
    AppendUInt32(bytes, frame.sender);
    AppendUInt32(bytes, frame.dataCode);
    AppendUInt32(bytes, quint32(frame.data.size()));
    return bytes + frame.data;
}

qint64 TFrameReader::Wanted() const
{
    if (status_ != Status::Incomplete)
        return 0;
    if (dataLength_ < 0)
        return HeaderSize - header_.size();
    return dataLength_ - frame_.data.size();
}

TFrameReader::Status TFrameReader::Append(const QByteArray& bytes)
{
    const QByteArray taken = bytes.left(Wanted());
    if (dataLength_ < 0) {
        header_ += taken;
        if (header_.size() == HeaderSize)
            ReadHeader();
    } else {
        frame_.data += taken;
    }
    if (status_ == Status::Incomplete && dataLength_ >= 0 && frame_.data.size() == dataLength_)
        status_ = Status::Complete;
    return status_;
}

void TFrameReader::ReadHeader()
{
    const qint64 length = UInt32At(header_, 12);
    if (!header_.startsWith(FrameMarker) || length > kMaxDataBlockSize) {
        status_ = Status::Invalid;
        return;
    }
    frame_.sender = UInt32At(header_, 4);
    frame_.dataCode = UInt32At(header_, 8);
    dataLength_ = length;
}
