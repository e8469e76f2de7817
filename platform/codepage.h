#pragma once
// The Windows-1252 code page, the 8-bit character set of texts and character marks.
#include <QByteArrayView>
#include <QChar>
#include <QString>

// The character of a byte: 0x80..0x9F through the code page's own table, every other
// byte as Latin-1. The five bytes the page leaves unassigned (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) keep their own code points, which are control characters.
QChar Windows1252Char(unsigned char byte);

// Whether the code page gives the byte a character; false for the five unassigned bytes.
bool Windows1252Assigns(unsigned char byte);

// Every byte is one character: 0x80..0x9F through the code page's table (its five
// unassigned bytes keep their own code points), all other bytes as Latin-1.
QString DecodeWindows1252(QByteArrayView bytes);
