#include "translation/textlines.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <cstring>

namespace {

bool IsNamed(const QMetaProperty& property, const char* name)
{
    return std::strcmp(property.name(), name) == 0;
}

QStringList MemoLines(const QPlainTextEdit& memo)
{
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

QStringList ComboItems(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

void SetComboItems(QComboBox& combo, const QStringList& items)
{
    for (int i = 0; i < combo.count() && i < items.size(); ++i) {
        if (combo.itemText(i) != items[i])
            combo.setItemText(i, items[i]);
    }
}

} // namespace

std::optional<TextLines> TextLines::Of(QObject* object, const QMetaProperty& property)
{
    if (IsNamed(property, "plainText") && qobject_cast<QPlainTextEdit*>(object))
        return TextLines(object, property, Source::MemoText);
    if (IsNamed(property, "currentText") && qobject_cast<QComboBox*>(object))
        return TextLines(object, property, Source::ComboItems);
    if (property.metaType().id() == QMetaType::QStringList && property.isWritable())
        return TextLines(object, property, Source::StringListProperty);
    return std::nullopt;
}

TextLines::TextLines(QObject* object, const QMetaProperty& property, Source source)
    : m_object(object)
    , m_property(property)
    , m_source(source)
{
}

QStringList TextLines::Read() const
{
    switch (m_source) {
    case Source::MemoText:
        return MemoLines(*static_cast<QPlainTextEdit*>(m_object));
    case Source::ComboItems:
        return ComboItems(*static_cast<QComboBox*>(m_object));
    case Source::StringListProperty:
        break;
    }
    return m_property.read(m_object).toStringList();
}

void TextLines::Write(const QStringList& lines) const
{
    switch (m_source) {
    case Source::MemoText:
        static_cast<QPlainTextEdit*>(m_object)->setPlainText(lines.join(u'\n'));
        return;
    case Source::ComboItems:
        SetComboItems(*static_cast<QComboBox*>(m_object), lines);
        return;
    case Source::StringListProperty:
        m_property.write(m_object, lines);
        return;
    }
}
