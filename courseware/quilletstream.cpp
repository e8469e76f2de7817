#include "courseware/quilletstream.h"

#include "courseware/demon.h"
#include "courseware/quillet.h"
#include "courseware/windowdirectory.h"
#include "translation/codepage.h"

#include <QtEndian>
#include <algorithm>
#include <tuple>

namespace {

constexpr qint64 StampSize = 8;
constexpr qint32 MillisecondsPerDay = 24 * 60 * 60 * 1000;

// Day 1 of the count is 1 January of year 1.
const qint64 DayOneJulian = QDate(1, 1, 1).toJulianDay();

QByteArray Int32Bytes(qint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    return QByteArray(le, 4);
}

qint32 Int32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

} // namespace

TStamp TStamp::FromDateTime(const QDateTime& moment)
{
    return {moment.time().msecsSinceStartOfDay(), qint32(moment.date().toJulianDay() - DayOneJulian + 1)};
}

TStamp TStamp::Next() const
{
    if (Time + 1 < MillisecondsPerDay)
        return {Time + 1, Date};
    return {0, Date + 1};
}

std::strong_ordering TStamp::operator<=>(const TStamp& other) const
{
    return std::tie(Date, Time) <=> std::tie(other.Date, other.Time);
}

TEntity::TEntity(TkdbCustomDemon* owner)
    : m_owner(owner)
{
}

QString TEntity::FileName()
{
    if (m_fileName.isEmpty())
        CompleteFromServer();
    return m_fileName;
}

QString TEntity::Title()
{
    if (m_title.isEmpty())
        CompleteFromServer();
    return m_title;
}

bool TEntity::Alive() const { return WindowDirectory::Lookup(m_handle).has_value(); }

void TEntity::Assign(const TEntity& other)
{
    m_handle = other.m_handle;
    m_auxHandle = other.m_auxHandle;
    m_fileName = other.m_fileName;
    m_title = other.m_title;
}

void TEntity::CompleteFromServer()
{
    if (!m_owner)
        return;
    if (const std::unique_ptr<TEntity> known = m_owner->FindEntityByHandle(m_handle))
        Assign(*known);
}

void TEntity::WriteRecord(TQuilletMessageStream& stream)
{
    stream.WriteInt32(qint32(Handle()));
    stream.WriteInt32(qint32(AuxHandle()));
    stream.WriteString(FileName());
    stream.WriteString(Title());
}

void TEntity::ReadRecord(TQuilletMessageStream& stream)
{
    m_handle = TWindowHandle(stream.ReadInt32());
    m_auxHandle = quint32(stream.ReadInt32());
    m_fileName = stream.ReadString();
    m_title = stream.ReadString();
}

TQuilletMessageStream::TQuilletMessageStream(TkdbCustomDemon* owner, quint32 msgCode)
    : m_owner(owner)
    , m_msgCode(msgCode)
    , m_senderEntity(owner)
{
}

std::unique_ptr<TQuilletMessageStream> TQuilletMessageStream::FromDataBlock(TkdbCustomDemon* owner,
                                                                            quint32 msgCode,
                                                                            TWindowHandle sender,
                                                                            const QByteArray& block)
{
    if (block.size() < StampSize)
        throw EQuillet(QStringLiteral("Message %1 too short: %2 bytes").arg(msgCode).arg(block.size()));
    auto message = std::make_unique<TQuilletMessageStream>(owner, msgCode);
    message->m_stamp = {Int32At(block, 0), Int32At(block, 4)};
    message->m_content = block.mid(StampSize);
    message->m_senderEntity.SetHandle(sender);
    return message;
}

QByteArray TQuilletMessageStream::DataBlock() const
{
    return Int32Bytes(m_stamp.Time) + Int32Bytes(m_stamp.Date) + m_content;
}

void TQuilletMessageStream::SetOwner(TkdbCustomDemon* owner)
{
    m_owner = owner;
    m_senderEntity.SetOwner(owner);
}

void TQuilletMessageStream::SetPosition(qint64 position)
{
    m_position = std::clamp<qint64>(position, 0, m_content.size());
}

void TQuilletMessageStream::CopyFrom(const TQuilletMessageStream& other)
{
    m_stamp = other.m_stamp;
    m_senderEntity.Assign(other.m_senderEntity);
    m_msgCode = other.m_msgCode;
    m_content = other.m_content;
    m_position = 0;
}

void TQuilletMessageStream::Write(const QByteArray& bytes)
{
    m_content.replace(m_position, std::min<qint64>(bytes.size(), m_content.size() - m_position), bytes);
    m_position += bytes.size();
}

void TQuilletMessageStream::WriteByte(quint8 value) { Write(QByteArray(1, char(value))); }

void TQuilletMessageStream::WriteInt32(qint32 value) { Write(Int32Bytes(value)); }

void TQuilletMessageStream::WriteString(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    WriteInt32(qint32(bytes.size()));
    Write(bytes);
}

void TQuilletMessageStream::WriteLines(const QStringList& lines)
{
    for (const QString& line : lines)
        Write(line.toUtf8() + "\r\n");
}

QByteArray TQuilletMessageStream::ReadBytes(qint64 count)
{
    if (count > m_content.size() - m_position)
        throw EQuillet(QStringLiteral("Stream read error"));
    const QByteArray bytes = m_content.mid(m_position, count);
    m_position += count;
    return bytes;
}

quint8 TQuilletMessageStream::ReadByte() { return quint8(ReadBytes(1).at(0)); }

qint32 TQuilletMessageStream::ReadInt32() { return Int32At(ReadBytes(4), 0); }

QString TQuilletMessageStream::ReadString()
{
    const qint32 length = ReadInt32();
    if (length <= 0)
        return {};
    return DecodeUtf8OrWindows1252(ReadBytes(length));
}

QByteArray TQuilletMessageStream::ReadRest() { return ReadBytes(m_content.size() - m_position); }

QStringList TQuilletMessageStream::ReadLines()
{
    const QString text = DecodeUtf8OrWindows1252(ReadRest());
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            line += c;
            continue;
        }
        lines << line;
        line.clear();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

void TQuilletMessageStream::SendTo(TEntity& entity, TQuilletMessageStream* reply)
{
    if (m_owner)
        m_owner->SendMessageTo(entity, *this, reply);
}
