#pragma once

#include <QByteArray>
#include <QString>

// Text of a file that may have been written on Windows: the bytes as UTF-8 when they
// are valid UTF-8, otherwise as Windows-1252. An incomplete UTF-8 sequence at the very
// end (a file cut short) does not count as invalid; it is dropped.
QString DecodeUtf8OrWindows1252(const QByteArray& bytes);
