#pragma once

#include <QMetaProperty>
#include <QStringList>
#include <optional>

class QObject;

// A property that holds lines of text rather than one text:
// - a writable string-list property;
// - the text of a memo (QPlainTextEdit's "plainText"), one line per paragraph;
// - the items of a combo box, which stand in for its "currentText" property.
class TextLines {
public:
    // The lines behind this property of the object; nothing for other properties.
    static std::optional<TextLines> Of(QObject* object, const QMetaProperty& property);

    QStringList Read() const;
    void Write(const QStringList& lines) const;

private:
    enum class Source { StringListProperty, MemoText, ComboItems };

    TextLines(QObject* object, const QMetaProperty& property, Source source);

    QObject* m_object;
    QMetaProperty m_property;
    Source m_source;
};
