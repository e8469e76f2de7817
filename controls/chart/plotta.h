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
//   plotta.cpp         construction, the display-list operations, drawing attributes
//   plottaaxes.cpp     rims, shadow, layouts, resizing: keeping layers and axes in step
// Planned, each slotting in beside these:
//   scale axes         the 32 axis controls that draw the layers' axes, fed from the
//                      property objects (plottaaxes.cpp)
//   plottapaint.cpp    the paint pipeline: control and data-area bitmaps, shadow,
//                      caption, axes, background image, crosshairs, and the data-area
//                      refresh that ShowItems takes (PresentItems)
//   renderer.*         TPlottaRenderer: grid, items with batched polylines, text labels
//                      and the data-area frame; textlabel.* the 20 text labels
//   plottamouse.cpp    panning, zooming, dragging, cursors; zoomhistory.* its ring
//   plottashare.cpp    several charts showing one display list (UseDataOf)
#include "controls/chart/chartenums.h"
#include "controls/chart/displaylist.h"
#include "controls/chart/layers.h"
#include "controls/chart/plottaitem.h"
#include "controls/common/enums.h"
#include "platform/canvas.h"
#include "platform/color.h"

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

class TPlotta : public QWidget {
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
    Q_PROPERTY(ChartEnums::TCaptionAnchorHoriz CaptionAnchorHoriz READ CaptionAnchorHoriz WRITE SetCaptionAnchorHoriz)
    Q_PROPERTY(ChartEnums::TCaptionAnchorVert CaptionAnchorVert READ CaptionAnchorVert WRITE SetCaptionAnchorVert)

public:
    // A chart of 280 x 200 pixels in the layout rcl_X1Bottom_Y1Left, with an empty
    // list and only layer 1's axes visible.
    explicit TPlotta(QWidget* parent = nullptr);

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
    // two colours; other styles draw no border.
    void Add3DBox(double X1, double Y1, double X2, double Y2, TColor FillColor, TColor Color2,
                  TColor Color3, TFrameStyle BorderStyle);
    // A rectangle with side and top faces Depth pixels deep, receding at Angle degrees.
    void Add3DBar(double X1, double Y1, double X2, double Y2, TColor FillColor, int Angle, int Depth);
    // Text (its first 17 characters) centred on (X, Y) in a font of FontSize points.
    void AddText(double X, double Y, const QString& Text, int FontSize);
    // Centre (X, Y), half-axes in data units.
    void AddEllipse(double X, double Y, double HalfWidth, double HalfHeight, TColor FillColor,
                    bool Transparent);
    // Moves the pen, or draws from the pen position, by (Dx, Dy) pixels.
    void AddRelMoveTo(double Dx, double Dy);
    void AddRelLineTo(double Dx, double Dy);
    // A line from (X1, Y1) to (X2, Y2) with a head of HeadSize pixels at its end:
    // a triangle filled with FillColor, or two strokes if Transparent.
    void AddArrow(double X1, double Y1, double X2, double Y2, int HeadSize, TColor FillColor,
                  bool Transparent);
    // Shows the list as it is now.
    void ShowItems();
    // Copies item Index (0-based); raises EGryphPlottaError unless 0 <= Index < count.
    void GetItem(int Index, TPlottaItem& Item) const;
    // Index of the item nearest to (X, Y) in data units, or -1; see TDisplayList.
    int FindNearestItem(std::uint8_t Kind, std::uint8_t ItemClass, double X, double Y,
                        double& Dist) const;
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

    // Rims around the data area in pixels; the control keeps room for a data area of
    // at least 80 x 20 pixels.
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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TChartGeometry Geometry() const;
    static double DisplayPixelAspect();
    bool ExplicitlyHidden() const;

    // Display list
    void Append(const TPlottaItem& item);
    TPlottaItem NewItem(TItemKind kind, double x, double y) const;
    TPlottaItem NewTwoPointItem(TItemKind kind, double x1, double y1, double x2, double y2) const;
    TPlottaItem NewClosedFigure(TItemKind kind, double x1, double y1, double x2, double y2,
                                TColor fillColor, bool transparent) const;
    // Brings the list, just marked as shown, to the screen.
    void PresentItems();

    // Layers and axes
    void AxesChanged();
    void RimsChanged();
    void SetRim(int& rim, int value);
    void KeepRoomForDataArea();

    // Repainting
    template <typename T>
    void StoreAndRepaint(T& field, const T& value);
    void RepaintIfAutomatic();
    void Repaint();
    // Stops repainting; returns whether it was stopped already.
    bool SuspendUpdates();
    // Ends a suspension begun when updates were running (wasSuspended false) with a
    // repaint; otherwise keeps them suspended.
    void ResumeUpdates(bool wasSuspended);

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
    TrcLayout m_standardLayout = rcl_X1Bottom_Y1Left;
    // Height of a display pixel divided by its width.
    double m_pixelAspect = 1;

    bool m_autoRedraw = true;
    bool m_updatesSuspended = true;
    QString m_caption;
    int m_captionPosX = 0;
    int m_captionPosY = -15;
    TAlignment m_captionAlignment = taRightJustify;
    TCaptionAnchorHoriz m_captionAnchorHoriz = cahChartRight;
    TCaptionAnchorVert m_captionAnchorVert = cavChartTop;

    TPlottaLayers m_layers;
};
