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
    : object_(object)
    , property_(property)
    , source_(source)
{
}

QStringList TextLines::Read() const
{
    switch (source_) {
    case Source::MemoText:
        return MemoLines(*static_cast<QPlainTextEdit*>(object_));
    case Source::ComboItems:
        return ComboItems(*static_cast<QComboBox*>(object_));
    case Source::StringListProperty:
        break;
    }
    return property_.read(object_).toStringList();
}

void TextLines::Write(const QStringList& lines) const
{
    switch (source_) {
    case Source::MemoText:
        static_cast<QPlainTextEdit*>(object_)->setPlainText(lines.join(u'\n'));
        return;
    case Source::ComboItems:
        SetComboItems(*static_cast<QComboBox*>(object_), lines);
        return;
    case Source::StringListProperty:
        property_.write(object_, lines);
        return;
    }
}
