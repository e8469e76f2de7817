#include "translation/translationwalk.h"

#include "translation/textlines.h"
#include "translation/tolkar.h"

#include <QMetaProperty>
#include <QPointer>
#include <QSequentialIterable>
#include <cstring>

namespace {

// The name a component is known by in code, never shown: the object name, or a text
// property published as "Name".
bool IsComponentName(const QMetaProperty& property)
{
    return std::strcmp(property.name(), "objectName") == 0 || std::strcmp(property.name(), "Name") == 0;
}

// A chart's axis settings, the one kind of property object whose texts (the axis
// captions) are translated. Any other object a property points to (a font, a chart
// whose display list is used, ...) belongs elsewhere and is left alone.
bool IsAxisSettings(const QObject* object) { return object && object->inherits("TScaleProps"); }

bool HoldsObject(QMetaType type) { return type.flags().testFlag(QMetaType::PointerToQObject); }

bool HoldsSequence(QMetaType type)
{
    return QMetaType::canView(type, QMetaType::fromType<QSequentialIterable>());
}

} // namespace

TranslationWalk::TranslationWalk(TTolkar2000& tolkar)
    : m_tolkar(tolkar)
{
}

void TranslationWalk::TranslateComponent(QObject* component)
{
    if (!component)
        return;
    TranslateObject(component);
    // Guarded copies: a changed text may make a control rebuild its internal children.
    QList<QPointer<QObject>> children;
    for (QObject* child : component->children())
        children << child;
    for (const QPointer<QObject>& child : children)
        TranslateComponent(child.data());
}

void TranslationWalk::TranslateObject(QObject* object)
{
    if (!object || m_visited.contains(object))
        return;
    m_visited.insert(object);
    bool doTranslate = true;
    if (m_tolkar.OnBeforeTranslate)
        m_tolkar.OnBeforeTranslate(&m_tolkar, object, doTranslate);
    if (!doTranslate)
        return;
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        TranslateProperty(object, meta->property(i));
}

void TranslationWalk::TranslateProperty(QObject* object, const QMetaProperty& property)
{
    if (!property.isReadable())
        return;
    if (const auto lines = TextLines::Of(object, property)) {
        TranslateLines(*lines);
        return;
    }
    const QMetaType type = property.metaType();
    if (type.id() == QMetaType::QString) {
        TranslateText(object, property);
    } else if (HoldsObject(type)) {
        QObject* held = property.read(object).value<QObject*>();
        if (IsAxisSettings(held))
            TranslateObject(held);
    } else if (HoldsSequence(type)) {
        TranslateItems(property.read(object));
    }
}

void TranslationWalk::TranslateText(QObject* object, const QMetaProperty& property)
{
    if (!property.isWritable() || IsComponentName(property))
        return;
    if (const auto translated = Translation(property.read(object).toString()))
        property.write(object, *translated);
}

void TranslationWalk::TranslateLines(const TextLines& lines)
{
    QStringList texts = lines.Read();
    bool changed = false;
    for (qsizetype i = texts.size() - 1; i >= 0; --i) {
        if (const auto translated = Translation(texts[i])) {
            texts[i] = *translated;
            changed = true;
        }
    }
    if (changed)
        lines.Write(texts);
}

void TranslationWalk::TranslateItems(const QVariant& collection)
{
    QList<QPointer<QObject>> items;
    for (const QVariant& item : collection.value<QSequentialIterable>()) {
        if (HoldsObject(item.metaType()))
            items << item.value<QObject*>();
    }
    for (const QPointer<QObject>& item : items)
        TranslateObject(item.data());
}

std::optional<QString> TranslationWalk::Translation(const QString& text)
{
    const QString& prefix = m_tolkar.Prefix();
    if (!text.startsWith(prefix))
        return std::nullopt;
    return m_tolkar.LookupText(text.mid(prefix.size()));
}
