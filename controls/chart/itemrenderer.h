#pragma once
// TItemRenderer: draws a chart's display list onto the data-area canvas, item by item
// in list order, collecting runs of line-to items into polylines.
#include "controls/chart/canvasattributes.h"
#include "controls/chart/displaylist.h"
#include "controls/chart/linebatch.h"
#include "controls/chart/plottaitem.h"
#include "controls/chart/renderscene.h"
#include "controls/common/drawmark.h"

#include <array>

class TItemRenderer {
public:
    // Sets the canvas up for the items: the chart's line width, pen and brush in the
    // chart color, a solid pen at the data area's top-left corner.
    TItemRenderer(const TRenderScene& scene, TCanvas& canvas, const TRenderOptions& options);

    // Draws every item whose class and layer are shown, then leaves a one-pixel pen.
    void DrawItems();

    // What the kinds' drawing operations (itemkinds.cpp) draw with.
    TCanvas& Canvas() { return m_canvas; }
    TCanvasAttributes& Attributes() { return m_attributes; }
    const TRenderScene& Scene() const { return m_scene; }
    // Draws what was collected: the line or the marks.
    void DrawBatch()
    {
        DrawMarks();
        m_batch.Draw(m_canvas);
    }
    // The next line-to continues from p; the pen goes there.
    void StartLineAt(QPoint p);
    // Item is a TPlottaItem or a TItemRecord.
    template <class Item>
    TColor ColorOf(const Item& item) const
    {
        return m_monochrome ? clBlack : item.Color;
    }
    TColor FillColorOf(const TPlottaItem& item) const;
    template <class Item>
    QPoint Place(const Item& item) const
    {
        return m_placer.Place(item.Layer, item.X, item.Y);
    }
    QPoint PlaceSecond(const TPlottaItem& item) const { return m_placer.Place(item.Layer, item.X2, item.Y2); }
    QPoint PlaceAt(int layer, double x, double y) const { return m_placer.Place(layer, x, y); }
    // Pen in the item color and style, brush in the fill color, clear if the item
    // is transparent: the set-up of closed figures.
    void UseFigureColors(const TPlottaItem& item);
    // Sets the one pixel a figure shrinks to when both corners fall on it; false when
    // they differ.
    bool DrawAsPixel(QPoint a, QPoint b, TColor color);
    void DrawPath(std::initializer_list<QPoint> points);
    void SetFontSize(int points);

private:
    // The items lines and scatter plots are made of are drawn from their records, the
    // others from whole items by their kind's operation.
    void DrawRecord(const TItemRecord& record);
    // An item with a coordinate that is no finite number is not drawn; if it is a
    // point of a line (a line-to or a move), the line ends there and the next
    // line-to starts a new one.
    void LeaveOut(std::uint8_t kind);
    void DrawMark(const TItemRecord& record);
    // Whether marks like record are collected and drawn together.
    bool CollectsMarks(const TItemRecord& record) const;
    // Draws the records at the start of next that look like drawn, a record just drawn,
    // by placing their points together, where its kind allows; returns how many. A point
    // that is no finite number ends them.
    std::size_t DrawLookAlikes(const TItemRecord& drawn, std::span<const TItemRecord> next);
    // Places the points of those records into the free slots room() gives and reports
    // how many it filled to filled(count), while the slots run full.
    template <class Room, class Filled>
    std::size_t CollectLike(const TItemRecord& drawn, std::span<const TItemRecord> next, Room room,
                            Filled filled);
    // Places the points of those records into pixels, as many as fit; returns how many.
    std::size_t PlaceLike(const TItemRecord& drawn, std::span<const TItemRecord> next,
                          std::span<QPoint> pixels) const;
    void CollectMark(QPoint p)
    {
        m_marks[m_markCount] = p;
        MarksCollected(1);
    }
    // Takes the next count slots of m_marks as filled in.
    void MarksCollected(std::size_t count)
    {
        m_markCount += count;
        if (m_markCount == kMarksPerBatch)
            DrawMarks();
    }
    void AddLineTo(const TItemRecord& record);
    void MoveTo(const TItemRecord& record);

    void DrawMarks()
    {
        if (m_markCount > 0)
            DrawCollectedMarks();
    }
    void DrawCollectedMarks();

    const TRenderScene& m_scene;
    TCanvas& m_canvas;
    TPixelPlacer m_placer;
    bool m_monochrome;
    TCanvasAttributes m_attributes;
    TLineBatch m_batch;
    // Marks of one type and pen, drawn together.
    TMarkPainter m_markPainter;
    std::uint8_t m_markType = 0;
    static constexpr std::size_t kMarksPerBatch = 1024;
    std::array<QPoint, kMarksPerBatch> m_marks;
    std::size_t m_markCount = 0;
    // A point was left out: the next line-to starts the line afresh.
    bool m_lineBroken = false;
};
