#pragma once
// The settings of one axis of a chart layer. The chart keeps a horizontal and a
// vertical property object per layer and copies them into the axis controls that draw
// the axes. Every setter ends by reporting the change through OnChange (MinRange only
// when it had to widen the range); the chart answers by bringing its axes and layers
// up to date.
#include "controls/chart/chartenums.h"
#include "controls/common/dtlabel.h"
#include "controls/common/enums.h"
#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/events.h"

#include <QObject>
#include <QString>

class TScaleProps : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(CommonEnums::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(CommonEnums::TScaleUnitAnchor CaptionAnchor READ CaptionAnchor WRITE SetCaptionAnchor)
    Q_PROPERTY(TColor ColorScale READ ColorScale WRITE SetColorScale)
    Q_PROPERTY(TDTLabel* DateFormat READ DateFormat WRITE SetDateFormat)
    Q_PROPERTY(int DecPlaces READ DecPlaces WRITE SetDecPlaces)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(CommonEnums::TFigType LabelType READ LabelType WRITE SetLabelType)
    Q_PROPERTY(int MinTicks READ MinTicks WRITE SetMinTicks)
    Q_PROPERTY(double MinRange READ MinRange WRITE SetMinRange)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(bool ShortTicks READ ShortTicks WRITE SetShortTicks)
    Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript)
    Q_PROPERTY(int ScalePos READ ScalePos WRITE SetScalePos)
    Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    int CaptionPosX() const { return m_captionPosX; }
    void SetCaptionPosX(int value);
    int CaptionPosY() const { return m_captionPosY; }
    void SetCaptionPosY(int value);
    TAlignment CaptionAlignment() const { return m_captionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    TScaleUnitAnchor CaptionAnchor() const { return m_captionAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value);
    TColor ColorScale() const { return m_colorScale; }
    void SetColorScale(TColor value);
    // The object stays this axis's own; setting copies the given settings into it.
    TDTLabel* DateFormat() const { return m_dateFormat; }
    void SetDateFormat(TDTLabel* value);
    // Clamped to -3..12.
    int DecPlaces() const { return m_decPlaces; }
    void SetDecPlaces(int value);
    TFont Font() const { return m_font; }
    void SetFont(const TFont& value);
    // Switching on is refused when either range end is below 1e-100 or the labels
    // are date/time labels, except while the chart is still being loaded.
    bool Logarithmic() const { return m_logarithmic; }
    void SetLogarithmic(bool value);
    // ftDateTime also switches Logarithmic off; ftTime also sets DecPlaces to 4.
    TFigType LabelType() const { return m_labelType; }
    void SetLabelType(TFigType value);
    int MinTicks() const { return m_minTicks; }
    void SetMinTicks(int value);
    // Values up to 1e-100 (and non-finite ones) are ignored. A range narrower than
    // the new value is widened about its center.
    double MinRange() const { return m_minRange; }
    void SetMinRange(double value);
    // A new end closer than MinRange to the other end pushes the other end to
    // MinRange away; on a logarithmic axis an end below 1e-100 is otherwise refused.
    // Non-finite values are ignored.
    double RangeLow() const { return m_rangeLow; }
    void SetRangeLow(double value);
    double RangeHigh() const { return m_rangeHigh; }
    void SetRangeHigh(double value);
    bool ShortTicks() const { return m_shortTicks; }
    void SetShortTicks(bool value);
    QString ScaleInscript() const { return m_scaleInscript; }
    void SetScaleInscript(const QString& value);
    // Distance of the axis line from its edge of the data area, positive outward.
    // Horizontal and vertical placements keep separate values.
    int ScalePos() const;
    void SetScalePos(int value);
    QString UserTickText() const { return m_userTickText; }
    void SetUserTickText(const QString& value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);

    // The placement handed to the axis control: sctXB for an axis along the top of
    // the data area (its labels above the line), sctXT along the bottom, sctYL at the
    // right, sctYR at the left.
    TScaleType ScaleType() const { return m_scaleType; }

    // Sets both range ends as given, without the checks of the setters and without
    // reporting the change (the caller brings the chart up to date).
    void AssignRange(double low, double high);

    // Ends the loading state: from now on Logarithmic checks the range.
    void Loaded() { m_loading = false; }

    TNotifyEvent OnChange;

protected:
    TScaleProps(TScaleType placement, QObject* owner);
    void SetScaleType(TScaleType value);
    void Changed();

private:
    template <typename T>
    void Store(T& field, const T& value);
    bool AcceptsLogarithmic() const;

    QString m_caption;
    int m_captionPosX = 0;
    int m_captionPosY = 0;
    TAlignment m_captionAlignment = TAlignment::taCenter;
    TScaleUnitAnchor m_captionAnchor = TScaleUnitAnchor::uaSclTopLft;
    TColor m_colorScale = clBlack;
    TDTLabel* m_dateFormat; // owned (child object)
    int m_decPlaces = -2;
    TFont m_font;
    bool m_logarithmic = false;
    TFigType m_labelType = TFigType::ftNum;
    int m_minTicks = 3;
    double m_minRange = 1e-10;
    double m_rangeLow = 0;
    double m_rangeHigh = 1;
    bool m_shortTicks = true;
    QString m_scaleInscript;
    int m_horizontalScalePos = 0;
    int m_verticalScalePos = 0;
    QString m_userTickText;
    bool m_visible = false;
    TScaleType m_scaleType;
    bool m_loading = true;
};

// The horizontal axis of chart layer `layer` (1..16): along the bottom on odd
// layers, the top on even ones, 30 pixels further out for every pair of layers.
class TScalePropsHoriz : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(ChartEnums::TScaleLocationHoriz ScaleLocation READ ScaleLocation WRITE SetScaleLocation)

public:
    TScalePropsHoriz(int layer, QObject* owner);

    TScaleLocationHoriz ScaleLocation() const;
    void SetScaleLocation(TScaleLocationHoriz value);
};

// The vertical axis of chart layer `layer` (1..16): at the left on odd layers, the
// right on even ones, 50 pixels further out for every pair of layers.
class TScalePropsVert : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(ChartEnums::TScaleLocationVert ScaleLocation READ ScaleLocation WRITE SetScaleLocation)

public:
    TScalePropsVert(int layer, QObject* owner);

    TScaleLocationVert ScaleLocation() const;
    void SetScaleLocation(TScaleLocationVert value);
};

// The axis color of both axes of layer `layer` (1..16).
TColor LayerAxisColor(int layer);
