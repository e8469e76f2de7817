#pragma once
// TPlotta: a chart that draws a list of items given in data coordinates. Sixteen
// layers each have a horizontal and a vertical axis; an item names its layer, whose
// axis ranges turn its coordinates into pixels. The owner empties the list
// (ClearItems), appends items (AddMark, AddLineTo, ...) and shows them (ShowItems).
//
// The chart's code by concern:
//   plottaitem.h       the item record, the attributes stamped into new items, and
//                      which item classes and layers are drawn
//   displaylist.*      TDisplayList: the items, their growth, counters and queries
//   scaleprops.*       TScaleProps, TScalePropsHoriz, TScalePropsVert: one axis's settings
//   jointlayers.*      TJointLayers: which layer's axis follows which
//   chartgeometry.h    where the data area lies within the control
//   axistransform.*    the maps between an axis's values and pixels
//   layers.*           TPlottaLayers: the 16 layers' axis settings and maps
//   layouts.*          the standard layouts of rims, caption and axes
//   plotta.cpp         construction and destruction, the display-list operations,
//                      drawing attributes
//   plottaaxes.cpp     rims, shadow, layouts, resizing: keeping layers and axes in step
//   plottascales.cpp   the 32 axis controls (TScale) that draw the layers' axes, fed
//                      from the property objects
//   plottapaint.cpp    the paint pipeline: control and data-area bitmaps, window color,
//                      shadow, caption, axes, crosshairs, and the data-area refresh
//                      that ShowItems takes; the appearance properties
//   renderscene.*      what the data-area renderer reads from the chart
//   renderer.*         the data-area renderer: grid (gridrenderer.*), items
//                      (itemrenderer.*, with linebatch.* and canvasattributes.*),
//                      text labels (labelrenderer.*) and the data-area frame
//   databackground.*   the data area's background color or picture (bakgndimg.*)
//   textlabel.*        TTextLabel: the 20 text labels
//   plottashare.cpp    several charts showing one display list (UseDataOf)
//   plottaranges.cpp   setting a layer's ranges (with joined layers, pan limits and
//                      the zoom history), the mouse-controlled layers
//   plottamouse.cpp    the mouse: panning, zooming, dragging crosshairs and labels,
//                      the zoom window and selection rectangle, cursors, events
//   chartmouse.h       the mouse events and the selection rectangle's states
//   mouseranges.*      the ranges that panning, zooming and pan limits produce
//   zoomhistory.*      TZoomHistory: the ring of the last 16 range snapshots
//   xorframe.*         TXorFrame: the XOR outline of a zoom window or selection
//   chartcursors.*     the hand and magnifier cursors, the application-wide cursor
#include "controls/chart/bakgndimg.h"
#include "controls/chart/chartcursors.h"
#include "controls/chart/chartenums.h"
#include "controls/chart/chartmouse.h"
#include "controls/chart/databackground.h"
#include "controls/chart/displaylist.h"
#include "controls/chart/layers.h"
#include "controls/chart/mouseranges.h"
#include "controls/chart/plottaitem.h"
#include "controls/chart/renderscene.h"
#include "controls/chart/textlabel.h"
#include "controls/chart/xorframe.h"
#include "controls/chart/zoomhistory.h"
#include "controls/common/crosshair.h"
#include "controls/common/enums.h"
#include "controls/common/picturecontrol.h"
#include "controls/scale/axisdrawing.h"
#include "platform/canvas.h"
#include "platform/color.h"

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class TScale;

class TPlotta : public TPictureControl {
    Q_OBJECT
    // Display list and drawing attributes
    Q_PROPERTY(int AllocSize READ AllocSize WRITE SetAllocSize)
    Q_PROPERTY(int ClassDefault READ ClassDefault WRITE SetClassDefault)
    Q_PROPERTY(TColor DataColor READ DataColor WRITE SetDataColor)
    Q_PROPERTY(TPenStyle PenStyle READ PenStyle WRITE SetPenStyle)
    Q_PROPERTY(int LineWidth READ LineWidth WRITE SetLineWidth)
    // Layers and axes
    Q_PROPERTY(int LRim READ LRim WRITE SetLRim)
    Q_PROPERTY(int RRim READ RRim WRITE SetRRim)
    Q_PROPERTY(int TRim READ TRim WRITE SetTRim)
    Q_PROPERTY(int BRim READ BRim WRITE SetBRim)
    Q_PROPERTY(int ShadowWidth READ ShadowWidth WRITE SetShadowWidth)
    Q_PROPERTY(bool Isometric READ Isometric WRITE SetIsometric)
    Q_PROPERTY(TJointLayers* JointLayers READ JointLayers WRITE SetJointLayers)
    Q_PROPERTY(TScalePropsHoriz* Scale1X READ Scale1X)
    Q_PROPERTY(TScalePropsHoriz* Scale2X READ Scale2X)
    Q_PROPERTY(TScalePropsHoriz* Scale3X READ Scale3X)
    Q_PROPERTY(TScalePropsHoriz* Scale4X READ Scale4X)
    Q_PROPERTY(TScalePropsVert* Scale1Y READ Scale1Y)
    Q_PROPERTY(TScalePropsVert* Scale2Y READ Scale2Y)
    Q_PROPERTY(TScalePropsVert* Scale3Y READ Scale3Y)
    Q_PROPERTY(TScalePropsVert* Scale4Y READ Scale4Y)
    Q_PROPERTY(ChartEnums::TrcLayout StandardLayout READ StandardLayout WRITE SetStandardLayout STORED false)
    // Appearance
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE SetAutoRedraw)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(CommonEnums::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(ChartEnums::TCaptionAnchorHoriz CaptionAnchorHoriz READ CaptionAnchorHoriz WRITE
                   SetCaptionAnchorHoriz)
    Q_PROPERTY(
        ChartEnums::TCaptionAnchorVert CaptionAnchorVert READ CaptionAnchorVert WRITE SetCaptionAnchorVert)
    Q_PROPERTY(TColor WindColor READ WindColor WRITE SetWindColor)
    Q_PROPERTY(TColor ChartColor READ ChartColor WRITE SetChartColor)
    Q_PROPERTY(TColor ChartFrameColor READ ChartFrameColor WRITE SetChartFrameColor)
    Q_PROPERTY(TColor FillColor READ FillColor WRITE SetFillColor)
    Q_PROPERTY(CommonEnums::TShadowStyle ShadowStyle READ ShadowStyle WRITE SetShadowStyle)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(TColor ShadowBakColor READ ShadowBakColor WRITE SetShadowBakColor)
    Q_PROPERTY(TBakGndImg* BackGroundImg READ BackGroundImg)
    Q_PROPERTY(TCrossHair* CrossHair1 READ CrossHair1)
    Q_PROPERTY(TCrossHair* CrossHair2 READ CrossHair2)
    Q_PROPERTY(TCrossHair* CrossHair3 READ CrossHair3)
    Q_PROPERTY(TCrossHair* CrossHair4 READ CrossHair4)
    // Data area
    Q_PROPERTY(ChartEnums::GridStyleType GridStyle READ GridStyle WRITE SetGridStyle)
    Q_PROPERTY(TColor GridColor READ GridColor WRITE SetGridColor)
    Q_PROPERTY(double GridDx READ GridDx WRITE SetGridDx)
    Q_PROPERTY(double GridDy READ GridDy WRITE SetGridDy)
    Q_PROPERTY(TFontStyles TextFontStyle READ TextFontStyle WRITE SetTextFontStyle)
    Q_PROPERTY(ChartEnums::TTextBkg TextBkStyle READ TextBkStyle WRITE SetTextBkStyle)
    Q_PROPERTY(TColor TextBkColor READ TextBkColor WRITE SetTextBkColor)
    Q_PROPERTY(CommonEnums::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
    // Mouse
    Q_PROPERTY(CommonEnums::TMouseActMode MouseAction READ MouseAction WRITE SetMouseAction)
    Q_PROPERTY(bool MouseCursorFixed READ MouseCursorFixed WRITE SetMouseCursorFixed)
    // Sharing
    Q_PROPERTY(TPlotta* UseDataOf READ UseDataOf WRITE SetUseDataOf)

public:
    // A chart of 280 x 200 pixels in the layout rcl_X1Bottom_Y1Left, with an empty
    // list and only layer 1's axes visible.
    explicit TPlotta(QWidget* parent = nullptr);
    // Charts that share this chart's list keep its items as their own.
    ~TPlotta() override;

    // --- Display list -----------------------------------------------------------

    // Empties the list (for every chart sharing it). Nothing changes on screen until
    // ShowItems or a repaint.
    void ClearItems();
    // Append one item each, stamped with the current drawing attributes. They do not
    // repaint.
    void AddMark(std::uint8_t MarkType, double X, double Y);
    void AddMoveTo(double X, double Y);
    void AddLineTo(double X, double Y);
    void AddLine(double X1, double Y1, double X2, double Y2);
    // Outline in DataColor, filled with FillColor unless Transparent.
    void AddRectangle(double X1, double Y1, double X2, double Y2, TColor FillColor, bool Transparent);
    // A rectangle filled with FillColor with a border in BorderStyle: fsLowered draws
    // the left and top edges in Color2 and the others in Color3, fsRaised the other
    // way round; fsEmbossed and fsEngraved draw two outlines offset by a pixel in the
    // two colors; other styles draw no border.
    void Add3DBox(double X1, double Y1, double X2, double Y2, TColor FillColor, TColor Color2, TColor Color3,
                  TFrameStyle BorderStyle);
    // A rectangle with side and top faces Depth pixels deep, receding at Angle degrees.
    void Add3DBar(double X1, double Y1, double X2, double Y2, TColor FillColor, int Angle, int Depth);
    // Text (its first 17 characters) centered on (X, Y) in a font of FontSize points.
    void AddText(double X, double Y, const QString& Text, int FontSize);
    // Center (X, Y), half-axes in data units.
    void AddEllipse(double X, double Y, double HalfWidth, double HalfHeight, TColor FillColor,
                    bool Transparent);
    // Moves the pen, or draws from the pen position, by (Dx, Dy) pixels.
    void AddRelMoveTo(double Dx, double Dy);
    void AddRelLineTo(double Dx, double Dy);
    // A line from (X1, Y1) to (X2, Y2) with a head of HeadSize pixels at its end:
    // a triangle filled with FillColor, or two strokes if Transparent.
    void AddArrow(double X1, double Y1, double X2, double Y2, int HeadSize, TColor FillColor,
                  bool Transparent);
    // Shows the list as it is now: with AutoRedraw on only the data area is redrawn,
    // else the whole control. The other charts sharing the list repaint.
    void ShowItems();
    // Copies item Index (0-based); raises EGryphPlottaError unless 0 <= Index < count.
    void GetItem(int Index, TPlottaItem& Item) const;
    // Index of the item nearest to (X, Y) in data units, or -1; see TDisplayList.
    int FindNearestItem(std::uint8_t Kind, std::uint8_t ItemClass, double X, double Y, double& Dist) const;
    int FindNearestItem(TKindWildcard Kind, std::uint8_t ItemClass, double X, double Y, double& Dist) const
    {
        return FindNearestItem(std::uint8_t(Kind), ItemClass, X, Y, Dist);
    }
    // Count, capacity, last shown item and per-kind counters of the list.
    const TDisplayList& DisplayList() const { return *m_items; }

    // Growth step of the list; values outside 1..1000000 are ignored.
    int AllocSize() const { return m_allocSize; }
    void SetAllocSize(int value);

    // Drawing attributes of items appended from now on; setting them changes neither
    // the items already listed nor the screen.
    TColor DataColor() const { return m_attributes.DataColor; }
    void SetDataColor(TColor value);
    TPenStyle PenStyle() const { return m_attributes.PenStyle; }
    void SetPenStyle(TPenStyle value);
    // 0..255; other values are ignored.
    int LineWidth() const { return m_attributes.LineWidth; }
    void SetLineWidth(int value);
    // 0..254; other values (255 is the any-class wildcard) are ignored.
    int ClassDefault() const { return m_attributes.ClassDefault; }
    void SetClassDefault(int value);
    // Layer of new items and of the mouse position, 1..16; other values are ignored.
    int CurrentLayer() const { return m_attributes.Layer; }
    void SetCurrentLayer(int value);
    // Tag copied into new items.
    std::int32_t ItemTag() const { return m_attributes.Tag; }
    void SetItemTag(std::int32_t value);

    // Items of hidden classes (0..255) or on hidden layers (1..16) are not drawn.
    bool ClassVisible(int ItemClass) const { return m_visibility.ClassVisible(ItemClass); }
    void SetClassVisible(int ItemClass, bool Visible);
    bool LayerVisible(int Layer) const { return m_visibility.LayerVisible(Layer); }
    void SetLayerVisible(int Layer, bool Visible);

    // --- Layers and axes --------------------------------------------------------

    // Axis settings of a layer; numbers outside 1..16 give layer 1's.
    TScalePropsHoriz* ScaleX(int Layer) const { return m_layers.ScaleX(Layer); }
    TScalePropsVert* ScaleY(int Layer) const { return m_layers.ScaleY(Layer); }
    TScalePropsHoriz* Scale1X() const { return ScaleX(1); }
    TScalePropsHoriz* Scale2X() const { return ScaleX(2); }
    TScalePropsHoriz* Scale3X() const { return ScaleX(3); }
    TScalePropsHoriz* Scale4X() const { return ScaleX(4); }
    TScalePropsVert* Scale1Y() const { return ScaleY(1); }
    TScalePropsVert* Scale2Y() const { return ScaleY(2); }
    TScalePropsVert* Scale3Y() const { return ScaleY(3); }
    TScalePropsVert* Scale4Y() const { return ScaleY(4); }

    // The chart's own join table; setting copies the given table's entries into it.
    TJointLayers* JointLayers() const { return m_layers.JointLayers(); }
    void SetJointLayers(TJointLayers* value);

    // Rims around the data area in pixels. Setting them leaves the control's size
    // alone; resizing keeps room for a data area of at least 80 x 20 pixels.
    int LRim() const { return m_lRim; }
    void SetLRim(int value);
    int RRim() const { return m_rRim; }
    void SetRRim(int value);
    int TRim() const { return m_tRim; }
    void SetTRim(int value);
    int BRim() const { return m_bRim; }
    void SetBRim(int value);
    // Clamped to 0..32.
    int ShadowWidth() const { return m_shadowWidth; }
    void SetShadowWidth(int value);

    // When switched on (and at every change of size or rims while on) each layer's
    // Y range is stretched so that data units are as long vertically as horizontally.
    // Switching it on records the stretched ranges in the zoom history.
    bool Isometric() const { return m_isometric; }
    void SetIsometric(bool value);

    // The layout applied last; applying one sets rims, chart caption and the axes of
    // layers 1 to 4, and hides the axes of layers 5 to 16.
    TrcLayout StandardLayout() const { return m_standardLayout; }
    void SetStandardLayout(TrcLayout value);

    // Pixel of data point (X, Y) of a layer (numbers below 1 give layer 1, above 16
    // layer 16), and the data point at a pixel.
    QPoint DataToPixel(int Layer, double X, double Y) const;
    QPointF PixelToData(int Layer, int X, int Y) const;

    // Resizing raises the size to minimumSizeHint() and brings ranges and axes in
    // step at once, also while the chart has never been shown (when Qt holds the
    // resize event back until it is).
    void resize(int w, int h);
    void resize(const QSize& size) { resize(size.width(), size.height()); }
    void setGeometry(int x, int y, int w, int h);
    void setGeometry(const QRect& rect) { setGeometry(rect.x(), rect.y(), rect.width(), rect.height()); }
    // Room for the rims, the shadow and a data area of 80 x 20 pixels.
    QSize minimumSizeHint() const override;

    // Ends loading from a stored form: the axes check Logarithmic from now on, and
    // the chart is painted.
    void Loaded();

    // --- Appearance -------------------------------------------------------------

    // With AutoRedraw off, property changes do not repaint, and ShowItems repaints
    // the whole control.
    bool AutoRedraw() const { return m_autoRedraw; }
    void SetAutoRedraw(bool value);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    int CaptionPosX() const { return m_captionPosX; }
    void SetCaptionPosX(int value);
    int CaptionPosY() const { return m_captionPosY; }
    void SetCaptionPosY(int value);
    TAlignment CaptionAlignment() const { return m_captionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    TCaptionAnchorHoriz CaptionAnchorHoriz() const { return m_captionAnchorHoriz; }
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz value);
    TCaptionAnchorVert CaptionAnchorVert() const { return m_captionAnchorVert; }
    void SetCaptionAnchorVert(TCaptionAnchorVert value);

    // Color around the data area, of the data area, and of its frame and the caption.
    TColor WindColor() const { return m_windColor; }
    void SetWindColor(TColor value);
    TColor ChartColor() const { return m_chartColor; }
    void SetChartColor(TColor value);
    TColor ChartFrameColor() const { return m_chartFrameColor; }
    void SetChartFrameColor(TColor value);
    // Kept for the owner; the chart does not draw with it.
    TColor FillColor() const { return m_fillColor; }
    void SetFillColor(TColor value);
    // The shadow along the right and bottom edges, ShadowWidth pixels wide.
    TShadowStyle ShadowStyle() const { return m_shadowStyle; }
    void SetShadowStyle(TShadowStyle value);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value);
    TColor ShadowBakColor() const { return m_shadowBakColor; }
    void SetShadowBakColor(TColor value);
    // The picture behind the data; changing it repaints.
    TBakGndImg* BackGroundImg() const { return m_backGroundImg; }
    // Crosshairs 1 to 4; other numbers raise EGryphPlottaError. Changing one repaints.
    TCrossHair* CrossHair(int Which) const;
    TCrossHair* CrossHair1() const { return CrossHair(1); }
    TCrossHair* CrossHair2() const { return CrossHair(2); }
    TCrossHair* CrossHair3() const { return CrossHair(3); }
    TCrossHair* CrossHair4() const { return CrossHair(4); }

    // --- Data area ----------------------------------------------------------------

    // Grid on the current layer's axes. GridDx and GridDy space its lines: 0 at the
    // axis ticks, otherwise every |step| units; on a logarithmic axis -1 gives
    // decades, -2 a 1-2-5 sequence, -3 every whole mantissa. Values below -3 are
    // ignored.
    GridStyleType GridStyle() const { return m_grid.Style; }
    void SetGridStyle(GridStyleType value);
    TColor GridColor() const { return m_grid.Color; }
    void SetGridColor(TColor value);
    double GridDx() const { return m_grid.X.Step; }
    void SetGridDx(double value);
    double GridDy() const { return m_grid.Y.Step; }
    void SetGridDy(double value);
    // How text items are written.
    TFontStyles TextFontStyle() const { return m_textStyle.FontStyle; }
    void SetTextFontStyle(TFontStyles value);
    TTextBkg TextBkStyle() const { return m_textStyle.Background; }
    void SetTextBkStyle(TTextBkg value);
    TColor TextBkColor() const { return m_textStyle.BackgroundColor; }
    void SetTextBkColor(TColor value);
    TAlignment TextAlignment() const { return m_textStyle.Alignment; }
    void SetTextAlignment(TAlignment value);
    // Text labels 1 to 20; other numbers raise EGryphPlottaError. Changing one repaints.
    TTextLabel* TextLabel(int Which) const;

    // Draws grid, items, text labels and data-area frame onto Canvas, whose pixel
    // (OffsetX, OffsetY) stands for the data area's top-left corner; the render events
    // fire as in the chart's own painting and may replace Canvas.
    void RenderData(TCanvas*& Canvas, const TRenderOptions& Options);
    // Draws the whole chart onto Canvas, pixel (0, 0) at the control's top-left corner,
    // shape by shape: on a vector device (SVG, PDF) lines, marks and text stay vector
    // elements. Only a background picture of the data area goes in as an image.
    void PaintOnto(TCanvas& Canvas);

    // The data area's picture (Picture() is the whole picture as last painted).
    const TBitmap& DataAreaPicture() const { return m_dataArea; }
    // The axis controls of a layer (numbers outside 1..16 give layer 1's).
    TScale* ScaleControlX(int Layer) const;
    TScale* ScaleControlY(int Layer) const;

    // Before the grid, after the text labels (before the frame), and after the axes.
    TPlottaRenderEvent OnBeforeRenderData;
    TPlottaRenderEvent OnDataRendered;
    TPlottaRenderEvent OnScalesRendered;
    // Every tick an axis draws, with the chart as Sender.
    TScaleTickDrawnEvent OnScaleTickDrawn;

    // --- Mouse ----------------------------------------------------------------------
    //
    // The standard mouse events (TMouseEventSource) fire before the chart's own work;
    // OnMouseMoveInChart fires after it.

    // What the mouse does over the data area: pan (maPan, maPanHoriz, maPanVert), zoom
    // (maZoomWind and maZoomWindPos draw a window, maZoomDrag zooms while dragging),
    // drag a crosshair (maDragCrossH) or a text label (maDragLabel), or nothing
    // (maNone and the modes of other controls). Storing it changes nothing else.
    TMouseActMode MouseAction() const { return m_mouseAction; }
    void SetMouseAction(TMouseActMode value) { m_mouseAction = value; }
    // On: the default cursor everywhere over the chart. Off: over the data area a
    // cursor by MouseAction (a cross for maNone, a hand for panning, magnifiers for
    // zooming), set for the whole application until the mouse leaves the chart.
    bool MouseCursorFixed() const { return m_mouseCursorFixed; }
    void SetMouseCursorFixed(bool value) { m_mouseCursorFixed = value; }
    // The last mouse position inside the data area (of a move or a press), in data
    // units of the current layer.
    double MousePosX() const { return m_mousePos.x(); }
    double MousePosY() const { return m_mousePos.y(); }

    // Panning and zooming change the layers the mouse controls (only layer 1 at
    // first) and the layers that follow them. Numbers outside 1..16 are ignored.
    bool MouseControlled(int Layer) const;
    void SetMouseControlled(int Layer, bool Value);
    // Ranges that panning and drag zooming keep within, the same for every layer; an
    // axis whose two limits are 0 is not limited (the default).
    TPanLimits PanLimits() const { return m_panLimits; }
    void SetPanLimits(const TPanLimits& value) { m_panLimits = value; }

    // Sets both ranges of a layer (1..16; others are ignored) without the range
    // setters' checks, then brings the layers following it along. An axis that
    // follows another layer keeps its range; an axis refuses a range narrower than
    // its MinRange, and a logarithmic one an end below 1e-100. With ApplyLimits the
    // pan limits hold; in a pan mode they move the range rather than narrow it. With
    // RecordHistory a snapshot of all ranges goes to the zoom history if any axis's
    // range changed. Repaints unless updates are suspended.
    void SetLayerRange(int Layer, double XLow, double YLow, double XHigh, double YHigh, bool RecordHistory,
                       bool ApplyLimits);
    // Snapshots of all layers' ranges after creation, before and after each zoom
    // window, pan and drag zoom, and after each isometric stretch; a snapshot equal
    // to the newest is not added.
    const TZoomHistory& ZoomHistory() const { return m_zoomHistory; }
    // Returns all layers to the ranges before the newest snapshot, repaints and
    // reports OnZoomPan; false (and nothing changes) when the history holds no
    // earlier snapshot.
    bool ZoomBack();

    // Arms the selection rectangle: the next press (other than with the right button,
    // which disarms it) starts a rectangle, drawn in XOR while dragged, which the
    // release of that button finishes (the right button drops it). Its corners are
    // kept within the data area.
    void ArmSelection();
    TSelectionState SelectionState() const { return m_selection.State; }
    // The pixels of the press and, once finished, of the release.
    QPoint SelectionStart() const { return m_selection.Start; }
    QPoint SelectionEnd() const { return m_selection.End; }

    TMouseMoveInChartEvent OnMouseMoveInChart;
    // After each pan or drag-zoom step, each zoom window applied and each ZoomBack.
    TZoomPanEvent OnZoomPan;
    TCrossHairMoveEvent OnCrossHairMove;
    TTextLabelMoveEvent OnTextLabelMove;

    // --- Sharing --------------------------------------------------------------------

    // The chart whose display list this chart shows, or nullptr for its own. A chart
    // that uses another's list cannot lend its own, one whose list is used cannot use
    // another's, and at most four charts use one list; refused requests are explained
    // in an information box. A chart that stops using another's list keeps a copy.
    TPlotta* UseDataOf() const { return m_dataOwner; }
    void SetUseDataOf(TPlotta* value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The caption and character marks are written in the chart's font.
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TChartGeometry Geometry() const;
    static double DisplayPixelAspect();

    // Display list
    void Append(const TPlottaItem& item);
    TPlottaItem NewItem(TItemKind kind, double x, double y) const;
    TPlottaItem NewTwoPointItem(TItemKind kind, double x1, double y1, double x2, double y2) const;
    TPlottaItem NewClosedFigure(TItemKind kind, double x1, double y1, double x2, double y2, TColor fillColor,
                                bool transparent) const;
    // Brings the list, just marked as shown, to the screen.
    void PresentItems();
    void CreateCrossHairs();
    void CreateTextLabels();

    // Layers and axes
    void CreateScales();
    TScale* CreateScale(const QString& name);
    // Copies every layer's axis settings into its axis controls.
    void HandOverAxes();
    void HandOverLayer(int layer);
    void HandOver(const TScaleProps& axis, TScale& scale) const;
    void AxesChanged();
    void RimsChanged();
    void SetRim(int& rim, int value);
    // Adopts a size not yet adopted, and repaints.
    void FollowSize();
    // Raises a new size to the least the rims allow, then stretches isometric ranges
    // and sizes the axis controls for it, without repainting; false when the size
    // was adopted already.
    bool AdoptSize();

    // Painting. A change repaints at once with AutoRedraw on, and otherwise leaves the
    // picture out of date for the next paint; showing the chart again leaves it to
    // the next paint as well. Nothing renders while updates are suspended or the
    // chart is hidden.
    void PropertyChanged() override;
    void CatchUp() override { }
    bool CanRender() const override;
    void Render() override;
    void PaintWindow(TCanvas& canvas) const;
    void PaintShadow(TCanvas& canvas) const;
    void PaintCaption(TCanvas& canvas) const;
    void PaintAxes(TCanvas*& canvas);
    void PaintDataBackground();
    // The data area's background at its place on a canvas of the whole control.
    void PaintDataBackgroundOnto(TCanvas& canvas);
    // Background and contents of the data area on its own picture.
    void RenderDataArea();
    // The data area alone, copied into the whole picture and shown.
    void RefreshDataArea();
    // Crosshairs on a canvas whose pixel (0, 0) stands for control pixel (a, b).
    void DrawCrossHairs(TCanvas& canvas, int a, int b) const;
    TRenderScene Scene();
    TGridAxis GridAxis(const TScaleProps& axis, const TScale& scale, double step) const;
    // Stops repainting; returns whether it was stopped already.
    bool SuspendUpdates();
    // Ends a suspension begun when updates were running (wasSuspended false) with a
    // repaint; otherwise keeps them suspended.
    void ResumeUpdates(bool wasSuspended);

    // Ranges
    TLayerRanges LayerRanges(int layer) const;
    TRangeSnapshot CurrentRanges() const;
    void SetLayerRanges(int layer, TLayerRanges ranges, bool recordHistory, bool applyLimits);
    // Gives the layer's axes the ranges they can take; returns whether any changed.
    bool ApplyLayerRanges(int layer, TLayerRanges ranges, bool applyLimits);
    bool ApplyAxisRange(TScaleProps& axis, const TAxisRange& range);
    void RecordZoomHistory();
    // Sets the ranges of every layer the mouse controls to rangesOf(layer) with one
    // repaint, then reports OnZoomPan.
    void ZoomPanMouseLayers(const std::function<TLayerRanges(int layer)>& rangesOf, bool recordHistory,
                            bool applyLimits);

    // Mouse
    void MouseDown(TMouseButton button, QPoint p);
    void MouseMove(TShiftState shift, QPoint p);
    void MouseUp(TMouseButton button, QPoint p);
    // The pixel in data units of the current layer, remembered as the mouse position
    // when it lies in the data area.
    QPointF TrackMousePos(QPoint p);
    QPoint ClampedToDataArea(QPoint p) const;
    // Follows the left button through a drag: the first move with it down records
    // where the drag starts; returns true for the later moves, which continue it.
    bool DragContinues(TShiftState shift, QPoint p);
    void PanTo(QPoint p);
    void ZoomDragTo(QPoint p);
    int NearestCrossHair(QPoint p) const;
    void MoveCrossHair(QPoint p);
    int NearestTextLabel(QPoint p) const;
    void MoveTextLabel(QPoint p);
    void DragSelection(QPoint p);
    void EndSelection(TMouseButton button, QPoint p);
    void DragZoomWindow(QPoint p);
    void EndZoomWindow(TMouseButton button);
    void ApplyZoomWindow(QPoint anchor, QPoint corner);
    void ShowCursorFor(QPoint p);
    // Repainting took the XOR outlines away.
    void ForgetXorFrames();

    // Sharing
    // The charts to repaint after this chart showed its items.
    QVector<TPlotta*> SharingGroup() const;
    void StopUsingOwner();
    void TakeOwnCopyOfItems();

    // Shared with the charts that use this chart's list or whose list it uses.
    std::shared_ptr<TDisplayList> m_items = std::make_shared<TDisplayList>();
    int m_allocSize = 1000;
    TDrawingAttributes m_attributes;
    TItemVisibility m_visibility;

    int m_lRim = 50;
    int m_rRim = 10;
    int m_tRim = 16;
    int m_bRim = 32;
    int m_shadowWidth = 0;
    bool m_isometric = false;
    TrcLayout m_standardLayout = TrcLayout::rcl_X1Bottom_Y1Left;
    // Height of a display pixel divided by its width.
    double m_pixelAspect = 1;
    // The size ranges and axis controls were last brought in step with.
    QSize m_adoptedSize;

    bool m_autoRedraw = true;
    bool m_updatesSuspended = true;
    QString m_caption;
    int m_captionPosX = 0;
    int m_captionPosY = -15;
    TAlignment m_captionAlignment = TAlignment::taRightJustify;
    TCaptionAnchorHoriz m_captionAnchorHoriz = TCaptionAnchorHoriz::cahChartRight;
    TCaptionAnchorVert m_captionAnchorVert = TCaptionAnchorVert::cavChartTop;

    TPlottaLayers m_layers;
    std::array<TScale*, TPlottaLayers::kCount> m_scalesX{};
    std::array<TScale*, TPlottaLayers::kCount> m_scalesY{};

    TColor m_windColor = clBtnFace;
    TColor m_chartColor = clWhite;
    TColor m_chartFrameColor = clBlack;
    TColor m_fillColor = clSilver;
    TShadowStyle m_shadowStyle = TShadowStyle::ssFlying;
    TColor m_shadowColor = clGrayText;
    TColor m_shadowBakColor = clBtnFace;
    TBakGndImg* m_backGroundImg = nullptr;
    std::array<TCrossHair*, 4> m_crossHairs{};
    // Style, color and steps; ranges and ticks are filled in when drawing.
    TGridSettings m_grid;
    TTextItemStyle m_textStyle;
    std::array<TTextLabel*, 20> m_textLabels{};

    // The data area's picture, and what lies behind the data.
    TBitmap m_dataArea;
    TDataBackground m_background;

    TPlotta* m_dataOwner = nullptr;
    QVector<TPlotta*> m_dataUsers;

    TMouseActMode m_mouseAction = TMouseActMode::maNone;
    bool m_mouseCursorFixed = true;
    QPointF m_mousePos;
    std::array<bool, TPlottaLayers::kCount> m_mouseControlled{true};
    TPanLimits m_panLimits;
    TZoomHistory m_zoomHistory;
    TScreenCursor m_screenCursor;
    // A drag with the left button: where it started, the ranges then, and the
    // crosshair and text label nearest to its start.
    struct TDrag {
        bool Started = false;
        QPoint Start;
        TRangeSnapshot StartRanges{};
        int CrossHair = 1;
        int TextLabel = 1;
    } m_drag;
    struct TZoomWindow {
        bool Active = false;
        QPoint Anchor;
        QPoint Corner;
        TXorFrame Frame;
    } m_zoomWindow;
    struct TSelection {
        TSelectionState State = TSelectionState::Idle;
        QPoint Start;
        QPoint Corner;
        QPoint End;
        TXorFrame Frame;
    } m_selection;
};
