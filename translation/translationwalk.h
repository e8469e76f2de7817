#pragma once

#include <QSet>
#include <QString>
#include <optional>

class QMetaProperty;
class QObject;
class QVariant;
class TTolkar2000;
class TextLines;

// One run of translating objects through their meta-object properties. Every object is
// translated at most once per run, so objects reachable along several paths (a property
// object that is also a child) and property objects that point back to their owner
// cannot be translated twice or loop.
class TranslationWalk {
public:
    explicit TranslationWalk(TTolkar2000& tolkar);

    // The component, then every child object, depth first in the order of the children.
    void TranslateComponent(QObject* component);

    // The object's own properties, in the order its meta-object lists them:
    // - text properties (other than objectName) that begin with the prefix;
    // - lines of text (see TextLines), from the last line to the first;
    // - property objects (QObject-derived pointers), translated in turn;
    // - collections (lists of QObject-derived pointers): every item.
    // Other properties are left alone.
    void TranslateObject(QObject* object);

private:
    void TranslateProperty(QObject* object, const QMetaProperty& property);
    void TranslateText(QObject* object, const QMetaProperty& property);
    void TranslateLines(const TextLines& lines);
    void TranslateItems(const QVariant& collection);
    std::optional<QString> Translation(const QString& text);

    TTolkar2000& tolkar_;
    QSet<const QObject*> visited_;
};
