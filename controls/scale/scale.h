#pragma once
// TScale: a control that shows one axis: a base line with long and short ticks, labels,
// a caption, and unless transparent a background and a frame.
//
// Every property change ends in a repaint request: a scale with a draw target and an
// opaque scale render at once; a transparent scale on its own widget only schedules a
// repaint, so that what lies beneath it is drawn first. An opaque scale renders into
// its own picture, which painting copies to the screen; with a draw target the scale
// renders onto that canvas instead and shows nothing of its own.
//
// The code by concern: scale.cpp holds the properties, copying and lifetime;
// scalepaint.cpp the paint pipeline; axisdrawing.* draws the axis itself.
#include "controls/common/dtlabel.h"
#include "controls/common/enums.h"
#include "controls/common/picturecontrol.h"
#include "controls/scale/axisdrawing.h"
#include "controls/scale/axissettings.h"
#include "controls/scale/pixelmap.h"
#include "controls/scale/ticklist.h"
#include "platform/canvas.h"
#include "platform/color.h"

#include <QPoint>
#include <QString>
#include <functional>

// Raised before and after the scale draws itself, with the canvas it draws on.
using TScaleRenderedEvent = std::function<void(QObject* Sender, TCanvas& Canvas)>;

class TScale : public TPictureControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(CommonEnums::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(CommonEnums::TScaleUnitAnchor CaptionAnchor READ CaptionAnchor WRITE SetCaptionAnchor)
    Q_PROPERTY(TColor ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
    Q_PROPERTY(TColor ColorScale READ ColorScale WRITE SetColorScale)
    Q_PROPERTY(CommonEnums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(TDTLabel* DateFormat READ DateFormat WRITE SetDateFormat)
    Q_PROPERTY(int DecPlaces READ DecPlaces WRITE SetDecPlaces)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(CommonEnums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(CommonEnums::TFigType LabelType READ LabelType WRITE SetLabelType)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
    Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
    Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
    Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
    Q_PROPERTY(int MinTicks READ MinTicks WRITE SetMinTicks)
    Q_PROPERTY(int NumTicks READ NumTicks)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(bool ShortTicks READ ShortTicks WRITE SetShortTicks)
    Q_PROPERTY(bool ShowBaseLine READ ShowBaseLine WRITE SetShowBaseLine)
    Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript)
    Q_PROPERTY(CommonEnums::TScaleType ScaleType READ ScaleType WRITE SetScaleType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    // 400 x 400 pixels: a horizontal axis from 0 to 100 along the bottom, 20 pixels
    // in from every edge, painted once.
    explicit TScale(QWidget* parent = nullptr);

    // --- Caption ------------------------------------------------------------------
    QString Caption() const { return m_caption.Text; }
    void SetCaption(const QString& value);
    // Offset of the caption's top-left corner from its anchor point, which lies on the
    // base line at the start, middle or end of the axis (CaptionAnchor).
    int CaptionPosX() const { return m_caption.PosX; }
    void SetCaptionPosX(int value);
    int CaptionPosY() const { return m_caption.PosY; }
    void SetCaptionPosY(int value);
    TAlignment CaptionAlignment() const { return m_caption.Alignment; }
    void SetCaptionAlignment(TAlignment value);
    TScaleUnitAnchor CaptionAnchor() const { return m_caption.Anchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value);

    // --- Look (these setters repaint only on a change) ------------------------------
    TColor ColorBackGnd() const { return m_colorBackGnd; }
    void SetColorBackGnd(TColor value);
    // Ticks and base line.
    TColor ColorScale() const { return m_colorScale; }
    void SetColorScale(TColor value);
    // Also switches the frame's shadow and highlight colors.
    TColorScheme ColorScheme() const { return m_colorScheme; }
    void SetColorScheme(TColorScheme value);
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Labels and caption. Setting a font ends ParentFont; while ParentFont is on, the
    // scale writes in its parent's font (the color stays the scale's).
    TFont Font() const { return m_font; }
    void SetFont(const TFont& value);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);

    // --- Axis ---------------------------------------------------------------------
    // The object stays the scale's own; setting copies the given settings into it.
    // Changing any of its settings repaints the scale.
    TDTLabel* DateFormat() const { return m_dateFormat; }
    void SetDateFormat(TDTLabel* value);
    // Clamped to -3..12: 0..12 decimals, -1 scientific, -2 and -3 automatic.
    int DecPlaces() const { return m_axis.DecPlaces; }
    void SetDecPlaces(int value);
    // ftDateTime also switches Logarithmic off; ftTime also sets DecPlaces to 4.
    TFigType LabelType() const { return m_axis.LabelType; }
    void SetLabelType(TFigType value);
    // Switching on is refused silently, once the scale is loaded (Loaded), when a
    // range end lies below 1e-100 or the labels are date/time labels.
    bool Logarithmic() const { return m_axis.Logarithmic; }
    void SetLogarithmic(bool value);
    // Pixels between the control's edges and the axis; negative values count as 0.
    int MarginTop() const { return m_axis.MarginTop; }
    void SetMarginTop(int value);
    int MarginBottom() const { return m_axis.MarginBottom; }
    void SetMarginBottom(int value);
    int MarginLeft() const { return m_axis.MarginLeft; }
    void SetMarginLeft(int value);
    int MarginRight() const { return m_axis.MarginRight; }
    void SetMarginRight(int value);
    // Wanted minimum number of tick intervals, clamped to 2..10.
    int MinTicks() const { return m_axis.MinTicks; }
    void SetMinTicks(int value);
    // A new end equal to the other end pushes the other end one unit above it (so
    // setting RangeHigh to RangeLow reverses the axis).
    double RangeLow() const { return m_axis.RangeLow; }
    void SetRangeLow(double value);
    double RangeHigh() const { return m_axis.RangeHigh; }
    void SetRangeHigh(double value);
    bool ShortTicks() const { return m_axis.ShortTicks; }
    void SetShortTicks(bool value);
    bool ShowBaseLine() const { return m_showBaseLine; }
    void SetShowBaseLine(bool value);
    // Unit written with every numeric label; "&" stands for the number.
    QString ScaleInscript() const { return m_axis.ScaleInscript; }
    void SetScaleInscript(const QString& value);
    TScaleType ScaleType() const { return m_axis.ScaleType; }
    void SetScaleType(TScaleType value);
    // Without background and frame, and labels without a background box.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    // "|"-separated texts of the labeled ticks, for ftUserText.
    QString UserTickText() const { return m_axis.UserTickText; }
    void SetUserTickText(const QString& value);
    // False only when the scale has been hidden; an invisible scale draws nothing.
    bool Visible() const;
    void SetVisible(bool value);

    // --- Drawing --------------------------------------------------------------------
    // From now on the scale draws onto `canvas` (nullptr: its own bitmap again), with
    // the base line moved by the offset across the axis, and repaints. On a target a
    // transparent scale draws at once, like an opaque one. The canvas must outlive its
    // use here.
    void SetDrawTarget(TCanvas* canvas, int offsetX, int offsetY);
    // While on, the scale draws nothing; switching it off repaints.
    bool SuppressPaint() const { return m_suppressPaint; }
    void SetSuppressPaint(bool value);
    // Repaints as if SuppressPaint were off.
    void ForcePaint();
    // Set by a chart for the axes it has the scale draw onto its picture: such a scale
    // renders at once even when transparent.
    bool ChartOwned() const { return m_chartOwned; }
    void SetChartOwned(bool value);
    // Draws ticks, labels, messages and caption (no base line, background or frame)
    // onto `canvas` with the base line at `base`: y on horizontal, x on vertical axes.
    void DrawAxis(TCanvas& canvas, int base);
    // The values of the ticks drawn last, at most 50, counting from 1; TickValue is 0
    // outside 1..NumTicks.
    int NumTicks() const { return m_ticks.NumTicks(); }
    double TickValue(int index) const { return m_ticks.TickValue(index); }
    // The pixel of `value` along the axis: x on horizontal, y on vertical axes.
    int ValueToPixel(double value) const;

    // --- Lifetime -------------------------------------------------------------------
    // Moves and resizes the control, then rescales and repaints.
    void SetBounds(int left, int top, int width, int height);
    // Ends loading from a stored form: rescales, makes Logarithmic check the range from
    // now on, and repaints. A scale created at run time is never loaded.
    void Loaded();
    // Takes over the axis, look, caption, tick list, draw target and SuppressPaint of
    // another scale, and its OnScaleTickDrawn; not ChartOwned, the rendered events, the
    // font, size or position. Rescales for this scale's size and repaints once. Any
    // other source raises EGryphError.
    void Assign(const QObject* source);
    // Hands this scale to dest's Assign when dest is a scale; raises EGryphError for
    // anything else.
    void AssignTo(QObject* dest) const { AssignToOwnKind<TScale>(dest); }

    TScaleTickDrawnEvent OnScaleTickDrawn;
    TScaleRenderedEvent OnBeforeScaleRendered;
    TScaleRenderedEvent OnAfterScaleRendered;

protected:
    // With a draw target the picture is the target's; a transparent scale draws
    // straight onto the screen, over what lies beneath it.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Rescales for the changed axis settings, then repaints.
    void AxisChanged();
    // Negative values count as 0.
    void SetMargin(int& margin, int value);
    void AdoptParentFont();
    // Maps the range onto the axis for the current size and margins.
    void RecalcScaling();

    // Paint pipeline (scalepaint.cpp). A change draws onto the draw target at once,
    // renders an opaque scale's own picture at once, and leaves a transparent scale
    // to its next paint; showing the scale again (other than a chart's) does the same.
    void PropertyChanged() override;
    void CatchUp() override;
    // Only an opaque scale without a draw target has a picture of its own.
    bool CanRender() const override;
    void Render() override;
    void Paint(TCanvas& target, QPoint offset);
    void RenderTransparent(TCanvas& target, QPoint offset);
    void RenderOpaque(TCanvas& target, QPoint offset);
    // The base line's y on horizontal, x on vertical axes.
    int BaseCoordinate(QPoint offset) const;
    void DrawBaseLine(TCanvas& canvas, int base);

    TAxisSettings m_axis;
    TPixelMapping m_mapping;
    TTickList m_ticks;
    TAxisCaption m_caption;
    TDTLabel* m_dateFormat; // owned (child object)
    TColor m_colorBackGnd = clBtnFace;
    TColor m_colorScale = clBlack;
    TColorScheme m_colorScheme = TColorScheme::csBWG;
    TFrameStyle m_frameStyle = TFrameStyle::fsLowered;
    TFont m_font;
    bool m_parentFont = true;
    bool m_showBaseLine = true;
    bool m_transparent = false;
    bool m_suppressPaint = true;
    bool m_chartOwned = false;
    bool m_loading = true; // accepts any Logarithmic until Loaded
    bool m_settingBounds = false; // SetBounds repaints by itself
    TCanvas* m_drawTarget = nullptr;
    QPoint m_drawOffset;
};
