#pragma once
// How a data block travels from one message window to another: a frame of a fixed
// header (marker, sender's handle, data code, block length) and the block itself.
// Frames come from other programs, so the reader trusts nothing it is given.
#include <QByteArray>
#include <QtGlobal>

using TWindowHandle = quint32;

struct TDataFrame {
    TWindowHandle sender = 0;
    quint32 dataCode = 0;
    QByteArray data;
};

// The largest data block a window accepts; longer blocks are refused unread.
inline constexpr qint64 kMaxDataBlockSize = 64 * 1024 * 1024;

QByteArray EncodeFrame(const TDataFrame& frame);

// Collects the bytes of one frame as they arrive.
class TFrameReader {
public:
    enum class Status { Incomplete, Complete, Invalid };

    // How many more bytes the reader takes before the frame, or its header, is whole.
    // Bytes beyond that are left for the caller to drop.
    qint64 Wanted() const;
    // Takes up to Wanted() bytes of the given ones.
    Status Append(const QByteArray& bytes);
    Status CurrentStatus() const { return m_status; }
    // The frame, once complete.
    const TDataFrame& Frame() const { return m_frame; }

private:
    void ReadHeader();

    QByteArray m_header;
    qint64 m_dataLength = -1;
    TDataFrame m_frame;
    Status m_status = Status::Incomplete;
};
