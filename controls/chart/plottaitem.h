#pragma once
// One entry of a chart's display list, the attributes a new entry is stamped with,
// and the flags that decide which entries are drawn.
#include "platform/canvas.h"
#include "platform/color.h"

#include <QString>
#include <bitset>
#include <cstdint>

// Kind codes stored in TPlottaItem::Kind; how each kind is drawn and found is its row
// in itemkinds.cpp. Codes 0, 10 and 11 are never stored.
namespace ChartEnums {
enum TItemKind : std::uint8_t {
    ikMark = 1, // DrawMark of MarkType at (X, Y)
    ikLine = 2, // (X, Y) to (X2, Y2)
    ikLineTo = 3, // from the pen position to (X, Y)
    ikRectangle = 4, // corners (X, Y), (X2, Y2)
    ik3DBox = 5, // filled rectangle with a two-colored border
    ik3DBar = 6, // rectangle with side and top faces
    ikText = 7, // Text at (X, Y)
    ikMoveTo = 8, // pen to (X, Y)
    ikEllipse = 9, // center (X, Y), half-axes X2, Y2 in data units
    ikRelMoveTo = 12, // pen moves by (X, Y) pixels
    ikRelLineTo = 13, // line from the pen position by (X, Y) pixels
    ikArrow = 14, // line (X, Y) to (X2, Y2) with a head of Size pixels
};
} // namespace ChartEnums
using ChartEnums::TItemKind;

// What FindNearestItem looks for in place of one kind. Callers may pass these numbers
// where a kind code goes; no item is stored with them.
enum class TKindWildcard : std::uint8_t {
    AnyKind = 10, // every kind
    AnyButMoveTo = 11, // every kind except move-to
};

// Number of kind codes that have a counter (0..14).
constexpr int kItemKindCodes = 15;
// Class number that stands for every class in FindNearestItem.
constexpr std::uint8_t kAnyItemClass = 255;
// Longest text a text item keeps.
constexpr int kMaxItemTextLength = 17;

struct TPlottaItem {
    double X = 0; // first point (relative kinds: pixel offset)
    double Y = 0;
    double X2 = 0; // second point; half-axes of an ellipse
    double Y2 = 0;
    TColor Color = 0; // pen color
    TColor FillColor = 0; // fill of closed figures
    TColor Color2 = 0; // border colors of a 3-D box
    TColor Color3 = 0;
    TPenStyle PenStyle = TPenStyle::psSolid;
    std::int32_t Tag = 0; // free for the caller, not used in drawing
    std::int32_t LineWidth = 0; // pen width in pixels
    std::uint8_t ItemClass = 0;
    std::uint8_t Kind = 0; // a TItemKind code
    std::int32_t Layer = 0; // 1..16: whose axes convert the coordinates
    bool Transparent = false; // closed figures unfilled, arrow head as two strokes
    std::uint8_t BorderStyle = 0; // border of a 3-D box, values as TFrameStyle
    QString Text; // text of a text item, at most 17 characters
    std::int32_t Size = 0; // font size; bar angle in degrees; arrow head size
    std::int32_t Size2 = 0; // bar depth in pixels
    std::uint8_t MarkType = 0; // DrawMark type of a mark
};

// The chart's current drawing attributes, copied into every item when it is appended.
struct TDrawingAttributes {
    TColor DataColor = clBlack;
    TPenStyle PenStyle = TPenStyle::psSolid;
    std::uint8_t LineWidth = 1;
    std::uint8_t ClassDefault = 0;
    std::int32_t Layer = 1;
    std::int32_t Tag = 0;

    // An item of kind at (x, y) carrying these attributes; its other fields are zero.
    TPlottaItem NewItem(TItemKind kind, double x, double y) const;
};

// Which item classes (0..255) and layers (1..16) are drawn; all are after creation.
class TItemVisibility {
public:
    TItemVisibility();

    bool ClassVisible(int itemClass) const
    {
        return itemClass >= 0 && itemClass < int(m_classes.size()) && m_classes[itemClass];
    }
    // Class numbers outside 0..255 are ignored.
    void SetClassVisible(int itemClass, bool visible);
    bool LayerVisible(int layer) const
    {
        return layer >= 1 && layer <= int(m_layers.size()) && m_layers[layer - 1];
    }
    // Layer numbers outside 1..16 are ignored.
    void SetLayerVisible(int layer, bool visible);

    // Whether items of this class and layer are drawn.
    bool Shows(int itemClass, int layer) const { return ClassVisible(itemClass) && LayerVisible(layer); }

private:
    std::bitset<256> m_classes;
    std::bitset<16> m_layers;
};
