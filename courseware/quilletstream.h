#pragma once
// The messages the courseware link exchanges: the moment stamp that identifies a
// request, the parties (entities) and the message stream with its payload encodings.
// Everything read from a payload comes from another program: reads never go past the
// data; a read that would raises EQuillet.
#include "courseware/messageframe.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <compare>
#include <memory>

class TkdbCustomDemon;
class TQuilletMessageStream;

// A moment: milliseconds since midnight, then the day number counted from
// 1 January of year 1, which is day 1.
struct TStamp {
    qint32 Time = 0;
    qint32 Date = 0;

    static TStamp FromDateTime(const QDateTime& moment);
    // The moment one millisecond later.
    TStamp Next() const;
    bool operator==(const TStamp&) const = default;
    // Earlier moments order first: by day, then by time of day.
    std::strong_ordering operator<=>(const TStamp& other) const;
};

// One party of an exchange. Its file name and title are asked from the server, by
// handle, the first time they are wanted while still empty.
class TEntity {
public:
    explicit TEntity(TkdbCustomDemon* owner = nullptr);

    TkdbCustomDemon* Owner() const { return m_owner; }
    void SetOwner(TkdbCustomDemon* owner) { m_owner = owner; }

    TWindowHandle Handle() const { return m_handle; }
    void SetHandle(TWindowHandle handle) { m_handle = handle; }
    quint32 AuxHandle() const { return m_auxHandle; }
    void SetAuxHandle(quint32 value) { m_auxHandle = value; }
    QString FileName();
    void SetFileName(const QString& fileName) { m_fileName = fileName; }
    QString Title();
    void SetTitle(const QString& title) { m_title = title; }

    // Whether the party's message window exists.
    bool Alive() const;
    // Copies handle, aux handle, file name and title as they stand.
    void Assign(const TEntity& other);

    // The entity record: handle, aux handle, file name, title.
    void WriteRecord(TQuilletMessageStream& stream);
    void ReadRecord(TQuilletMessageStream& stream);

private:
    void CompleteFromServer();

    TkdbCustomDemon* m_owner;
    TWindowHandle m_handle = 0;
    quint32 m_auxHandle = 0;
    QString m_fileName;
    QString m_title;
};

// One message: a code, a stamp, the sender and an in-memory payload with a position.
// Integers are 32-bit little-endian; a string is its byte length and its UTF-8 bytes.
class TQuilletMessageStream {
public:
    explicit TQuilletMessageStream(TkdbCustomDemon* owner = nullptr, quint32 msgCode = 0);

    // The message as it arrives in a data block: the first 8 bytes are the stamp, the
    // rest is the payload. A block shorter than a stamp raises EQuillet.
    static std::unique_ptr<TQuilletMessageStream> FromDataBlock(TkdbCustomDemon* owner, quint32 msgCode,
                                                                TWindowHandle sender,
                                                                const QByteArray& block);
    // The data block that carries the message: stamp, then payload.
    QByteArray DataBlock() const;

    TkdbCustomDemon* Owner() const { return m_owner; }
    void SetOwner(TkdbCustomDemon* owner);
    quint32 MsgCode() const { return m_msgCode; }
    void SetMsgCode(quint32 code) { m_msgCode = code; }
    const TStamp& Stamp() const { return m_stamp; }
    void SetStamp(const TStamp& stamp) { m_stamp = stamp; }
    TEntity& SenderEntity() { return m_senderEntity; }

    const QByteArray& Content() const { return m_content; }
    qint64 Size() const { return m_content.size(); }
    qint64 Position() const { return m_position; }
    // Positions outside the payload are clamped to it.
    void SetPosition(qint64 position);
    // Takes over another message's stamp, sender fields, code and payload; position 0.
    void CopyFrom(const TQuilletMessageStream& other);

    // Writing puts the bytes at the position (overwriting, then extending).
    void Write(const QByteArray& bytes);
    void WriteByte(quint8 value);
    void WriteInt32(qint32 value);
    void WriteString(const QString& text);
    // Text lines, each ended by carriage return and line feed.
    void WriteLines(const QStringList& lines);

    quint8 ReadByte();
    qint32 ReadInt32();
    // A length of 0 or less reads as the empty string.
    QString ReadString();
    // The payload from the position to the end.
    QByteArray ReadRest();
    // The rest of the payload as text lines, broken at CR LF, CR or LF.
    QStringList ReadLines();

    // Sends the message to an entity through the owning link; the answer, if any,
    // lands in reply.
    void SendTo(TEntity& entity, TQuilletMessageStream* reply);

private:
    QByteArray ReadBytes(qint64 count);

    TkdbCustomDemon* m_owner;
    quint32 m_msgCode;
    TStamp m_stamp;
    TEntity m_senderEntity;
    QByteArray m_content;
    qint64 m_position = 0;
};
