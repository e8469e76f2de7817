#pragma once
// The chart's item kinds, one row each: how an item of the kind is drawn and how it
// counts for lines and for FindNearestItem. A new kind gets its code in TItemKind
// (plottaitem.h) and its drawing operation and row in itemkinds.cpp.
#include "controls/chart/plottaitem.h"

class TItemRenderer;

struct TItemKindRow {
    // Draws a whole item of the kind. Null for codes that are never stored, and for
    // line-to, move-to and mark, which the renderer draws from their compact records.
    void (*Draw)(TItemRenderer& renderer, const TPlottaItem& item) = nullptr;
    // Places the pen where the next line-to goes on; an item of the kind that is left
    // out breaks the line.
    bool PlacesPen = false;
    // Found by FindNearestItem's every-kind-but-move-to wildcard.
    bool FoundByAnyButMoveTo = false;
};

// The row of a kind code; codes that are never stored have an empty row.
const TItemKindRow& ItemKindRow(std::uint8_t kind);
