#include "platform/codepage.h"

#include <array>

namespace {

constexpr unsigned char kTableStart = 0x80;
constexpr unsigned char kTableEnd = 0x9F;

// Characters of the bytes 0x80..0x9F.
constexpr std::array<char16_t, kTableEnd - kTableStart + 1> kHighControlRange = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

} // namespace

QChar Windows1252Char(unsigned char byte)
{
    if (byte >= kTableStart && byte <= kTableEnd)
        return QChar(kHighControlRange[byte - kTableStart]);
    return QChar(byte);
}

bool Windows1252Assigns(unsigned char byte)
{
    return byte < kTableStart || byte > kTableEnd || Windows1252Char(byte).unicode() != byte;
}

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = Windows1252Char(static_cast<unsigned char>(bytes[i]));
    return text;
}
