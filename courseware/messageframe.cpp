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
    if (m_status != Status::Incomplete)
        return 0;
    if (m_dataLength < 0)
        return HeaderSize - m_header.size();
    return m_dataLength - m_frame.data.size();
}

TFrameReader::Status TFrameReader::Append(const QByteArray& bytes)
{
    const QByteArray taken = bytes.left(Wanted());
    if (m_dataLength < 0) {
        m_header += taken;
        if (m_header.size() == HeaderSize)
            ReadHeader();
    } else {
        m_frame.data += taken;
    }
    if (m_status == Status::Incomplete && m_dataLength >= 0 && m_frame.data.size() == m_dataLength)
        m_status = Status::Complete;
    return m_status;
}

void TFrameReader::ReadHeader()
{
    const qint64 length = UInt32At(m_header, 12);
    if (!m_header.startsWith(FrameMarker) || length > kMaxDataBlockSize) {
        m_status = Status::Invalid;
        return;
    }
    m_frame.sender = UInt32At(m_header, 4);
    m_frame.dataCode = UInt32At(m_header, 8);
    m_dataLength = length;
}
