#pragma once

#include <QString>
#include <QStringList>

// Replaces every placeholder "<%n%>" (n = 1, 2, ... in decimal, no leading zeros) by
// args[n - 1]. The text is read once from left to right, so an argument that itself
// looks like a placeholder is inserted as it stands. Placeholders without an argument
// stay as they are.
QString ReplaceArguments(const QString& text, const QStringList& args);
