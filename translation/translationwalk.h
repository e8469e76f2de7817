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
// translated at most once per run, so an object reachable along several paths (a chart's
// axis settings are also its children; an item may sit in two collections) is not
// translated twice, and a collection that lists its owner cannot loop.
class TranslationWalk {
public:
    explicit TranslationWalk(TTolkar2000& tolkar);

    // The component, then every child object, depth first in the order of the children.
    void TranslateComponent(QObject* component);

    // The object's own properties, in the order its meta-object lists them:
    // - text properties that begin with the prefix, except the component's name
    //   (objectName, or a property called Name);
    // - lines of text (see TextLines), from the last line to the first;
    // - a chart's axis settings (TScaleProps), translated in turn;
    // - collections (lists of QObject-derived pointers): every item.
    // Other properties are left alone; in particular no other object a property points
    // to is entered, as it may belong to another window.
    void TranslateObject(QObject* object);

private:
    void TranslateProperty(QObject* object, const QMetaProperty& property);
    void TranslateText(QObject* object, const QMetaProperty& property);
    void TranslateLines(const TextLines& lines);
    void TranslateItems(const QVariant& collection);
    std::optional<QString> Translation(const QString& text);

    TTolkar2000& m_tolkar;
    QSet<const QObject*> m_visited;
};
