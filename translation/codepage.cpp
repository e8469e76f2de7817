#include "translation/codepage.h"

#include "platform/codepage.h"

#include <QStringDecoder>

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = Windows1252Char(static_cast<unsigned char>(bytes[i]));
    return text;
}

QString DecodeUtf8OrWindows1252(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}
