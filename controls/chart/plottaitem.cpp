#include "controls/chart/plottaitem.h"

TPlottaItem TDrawingAttributes::NewItem(TItemKind kind, double x, double y) const
{
    TPlottaItem item;
    item.Kind = kind;
    item.Layer = Layer;
    item.ItemClass = ClassDefault;
    item.X = x;
    item.Y = y;
    item.Color = DataColor;
    item.PenStyle = PenStyle;
    item.Tag = Tag;
    item.LineWidth = LineWidth;
    return item;
}

TItemVisibility::TItemVisibility()
{
    m_classes.set();
    m_layers.set();
}

void TItemVisibility::SetClassVisible(int itemClass, bool visible)
{
    if (itemClass >= 0 && itemClass < int(m_classes.size()))
        m_classes[itemClass] = visible;
}

void TItemVisibility::SetLayerVisible(int layer, bool visible)
{
    if (layer >= 1 && layer <= int(m_layers.size()))
        m_layers[layer - 1] = visible;
}
