#pragma once
// Reading a data file as text: only regular files, only up to a size cap, only text.
#include "dataset/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The bytes of a regular file of at most maxBytes bytes. Anything else is refused before
// a byte is read, and nothing blocks: "file not found", "is a directory, not a file",
// "not a regular file" (a pipe, socket or device), "cannot open the file",
// "cannot read the file", "file is too large (more than N MiB)".
Result<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes);

// The text of a file's bytes, or "not a text file".
// - A UTF-8 byte-order mark is dropped; the rest must be valid UTF-8.
// - A UTF-16 byte-order mark (as spreadsheets write "Unicode text") selects UTF-16 in its
//   byte order; the rest must be valid UTF-16.
// - Otherwise the bytes are UTF-8 when they are valid UTF-8, else 8-bit text in the
//   Windows-1252 code page (older spreadsheets write that); a byte the code page leaves
//   unassigned makes it binary.
// - In every case the text may hold no control characters but tab, line feed and
//   carriage return: a NUL byte, an escape or any other control character means binary
//   content.
Result<QString> DecodeText(QByteArrayView bytes);
