#pragma once

#include "translation/tolkar.h"

#include <QBuffer>

// Loads a language file held in memory.
inline void LoadText(TTolkar2000& tolkar, const QByteArray& fileBytes)
{
    QBuffer buffer;
    buffer.setData(fileBytes);
    buffer.open(QIODevice::ReadOnly);
    tolkar.LoadFromStream(buffer);
}
