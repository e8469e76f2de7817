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
    return {moment.time().msecsSinceStartOfDay(),
            qint32(moment.date().toJulianDay() - DayOneJulian + 1)};
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
    : owner_(owner)
{
}

QString TEntity::FileName()
{
    if (fileName_.isEmpty())
        CompleteFromServer();
    return fileName_;
}

QString TEntity::Title()
{
    if (title_.isEmpty())
        CompleteFromServer();
    return title_;
}

bool TEntity::Alive() const
{
    return WindowDirectory::Lookup(handle_).has_value();
}

void TEntity::Assign(const TEntity& other)
{
    handle_ = other.handle_;
    auxHandle_ = other.auxHandle_;
    fileName_ = other.fileName_;
    title_ = other.title_;
}

void TEntity::CompleteFromServer()
{
    if (!owner_)
        return;
    if (const std::unique_ptr<TEntity> known = owner_->FindEntityByHandle(handle_))
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
    handle_ = TWindowHandle(stream.ReadInt32());
    auxHandle_ = quint32(stream.ReadInt32());
    fileName_ = stream.ReadString();
    title_ = stream.ReadString();
}

TQuilletMessageStream::TQuilletMessageStream(TkdbCustomDemon* owner, quint32 msgCode)
    : owner_(owner)
    , msgCode_(msgCode)
    , senderEntity_(owner)
{
}

std::unique_ptr<TQuilletMessageStream> TQuilletMessageStream::FromDataBlock(
    TkdbCustomDemon* owner, quint32 msgCode, TWindowHandle sender, const QByteArray& block)
{
    if (block.size() < StampSize)
        throw EQuillet(QStringLiteral("Message %1 too short: %2 bytes").arg(msgCode).arg(block.size()));
    auto message = std::make_unique<TQuilletMessageStream>(owner, msgCode);
    message->stamp_ = {Int32At(block, 0), Int32At(block, 4)};
    message->content_ = block.mid(StampSize);
    message->senderEntity_.SetHandle(sender);
    return message;
}

QByteArray TQuilletMessageStream::DataBlock() const
{
    return Int32Bytes(stamp_.Time) + Int32Bytes(stamp_.Date) + content_;
}

void TQuilletMessageStream::SetOwner(TkdbCustomDemon* owner)
{
    owner_ = owner;
    senderEntity_.SetOwner(owner);
}

void TQuilletMessageStream::SetPosition(qint64 position)
{
    position_ = std::clamp<qint64>(position, 0, content_.size());
}

void TQuilletMessageStream::CopyFrom(const TQuilletMessageStream& other)
{
    stamp_ = other.stamp_;
    senderEntity_.Assign(other.senderEntity_);
    msgCode_ = other.msgCode_;
    content_ = other.content_;
    position_ = 0;
}

void TQuilletMessageStream::Write(const QByteArray& bytes)
{
    content_.replace(position_, std::min<qint64>(bytes.size(), content_.size() - position_), bytes);
    position_ += bytes.size();
}

void TQuilletMessageStream::WriteByte(quint8 value)
{
    Write(QByteArray(1, char(value)));
}

void TQuilletMessageStream::WriteInt32(qint32 value)
{
    Write(Int32Bytes(value));
}

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
    if (count > content_.size() - position_)
        throw EQuillet(QStringLiteral("Stream read error"));
    const QByteArray bytes = content_.mid(position_, count);
    position_ += count;
    return bytes;
}

quint8 TQuilletMessageStream::ReadByte()
{
    return quint8(ReadBytes(1).at(0));
}

qint32 TQuilletMessageStream::ReadInt32()
{
    return Int32At(ReadBytes(4), 0);
}

QString TQuilletMessageStream::ReadString()
{
    const qint32 length = ReadInt32();
    if (length <= 0)
        return {};
    return DecodeUtf8OrWindows1252(ReadBytes(length));
}

QByteArray TQuilletMessageStream::ReadRest()
{
    return ReadBytes(content_.size() - position_);
}

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
    if (owner_)
        owner_->SendMessageTo(entity, *this, reply);
}
