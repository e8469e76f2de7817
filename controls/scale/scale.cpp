#include "controls/scale/scale.h"

#include "controls/common/axismap.h"
#include "platform/rounding.h"
#include "platform/widgetstate.h"

#include <QEvent>
#include <QFont>
#include <algorithm>
#include <utility>

namespace {

constexpr int kDefaultSize = 400;
constexpr int kFewestTicks = 2;
constexpr int kMostTicks = 10;
constexpr int kLowestDecPlaces = -3;
constexpr int kHighestDecPlaces = 12;
constexpr int kTimeDecPlaces = 4;

} // namespace

TScale::TScale(QWidget* parent)
    : TPictureControl(parent)
    , m_dateFormat(new TDTLabel(this))
{
    resize(kDefaultSize, kDefaultSize);
    AdoptParentFont();
    m_dateFormat->OnChange = [this](QObject*) { PropertyChanged(); };
    RecalcScaling();
    SetSuppressPaint(false);
}

void TScale::AxisChanged()
{
    RecalcScaling();
    PropertyChanged();
}

void TScale::SetCaption(const QString& value) { Change(m_caption.Text, value, kEvenIfSame); }
void TScale::SetCaptionPosX(int value) { Change(m_caption.PosX, value, kEvenIfSame); }
void TScale::SetCaptionPosY(int value) { Change(m_caption.PosY, value, kEvenIfSame); }
void TScale::SetCaptionAlignment(TAlignment value) { Change(m_caption.Alignment, value, kEvenIfSame); }
void TScale::SetCaptionAnchor(TScaleUnitAnchor value) { Change(m_caption.Anchor, value, kEvenIfSame); }
void TScale::SetColorBackGnd(TColor value) { Change(m_colorBackGnd, value); }
void TScale::SetColorScale(TColor value) { Change(m_colorScale, value); }
void TScale::SetFrameStyle(TFrameStyle value) { Change(m_frameStyle, value); }
void TScale::SetShortTicks(bool value) { Change(m_axis.ShortTicks, value); }
void TScale::SetShowBaseLine(bool value) { Change(m_showBaseLine, value, kEvenIfSame); }
void TScale::SetScaleInscript(const QString& value) { Change(m_axis.ScaleInscript, value, kEvenIfSame); }
void TScale::SetTransparent(bool value) { Change(m_transparent, value, kEvenIfSame); }
void TScale::SetUserTickText(const QString& value) { Change(m_axis.UserTickText, value, kEvenIfSame); }
void TScale::SetChartOwned(bool value) { Change(m_chartOwned, value); }
void TScale::SetMinTicks(int value)
{
    Change(m_axis.MinTicks, std::clamp(value, kFewestTicks, kMostTicks), kEvenIfSame);
}
void TScale::SetColorScheme(TColorScheme value) { Change(m_colorScheme, value); }

void TScale::SetMargin(int& margin, int value)
{
    margin = std::max(value, 0);
    AxisChanged();
}

void TScale::SetMarginTop(int value) { SetMargin(m_axis.MarginTop, value); }
void TScale::SetMarginBottom(int value) { SetMargin(m_axis.MarginBottom, value); }
void TScale::SetMarginLeft(int value) { SetMargin(m_axis.MarginLeft, value); }
void TScale::SetMarginRight(int value) { SetMargin(m_axis.MarginRight, value); }

void TScale::SetDecPlaces(int value)
{
    m_axis.DecPlaces = std::clamp(value, kLowestDecPlaces, kHighestDecPlaces);
    AxisChanged();
}

void TScale::SetFont(const TFont& value)
{
    m_parentFont = false;
    m_font = value;
    PropertyChanged();
}

void TScale::SetParentFont(bool value)
{
    if (value == m_parentFont)
        return;
    m_parentFont = value;
    if (value)
        AdoptParentFont();
    PropertyChanged();
}

void TScale::AdoptParentFont()
{
    const TColor color = m_font.Color;
    m_font = TFont::FromQFont(font());
    m_font.Color = color;
}

void TScale::SetDateFormat(TDTLabel* value)
{
    // Its change notification repaints.
    if (value)
        m_dateFormat->Assign(*value);
}

void TScale::SetLabelType(TFigType value)
{
    m_axis.LabelType = value;
    if (value == TFigType::ftDateTime) {
        m_axis.Logarithmic = false;
        RecalcScaling();
    } else if (value == TFigType::ftTime) {
        m_axis.DecPlaces = kTimeDecPlaces;
    }
    PropertyChanged();
}

void TScale::SetLogarithmic(bool value)
{
    const bool accepted = !value || m_loading
        || (RangeHasLogarithms(m_axis.RangeLow, m_axis.RangeHigh)
            && m_axis.LabelType != TFigType::ftDateTime);
    if (accepted)
        m_axis.Logarithmic = value;
    AxisChanged();
}

void TScale::SetRangeLow(double value)
{
    m_axis.RangeLow = value;
    if (value == m_axis.RangeHigh)
        m_axis.RangeHigh = value + 1;
    AxisChanged();
}

void TScale::SetRangeHigh(double value)
{
    m_axis.RangeHigh = value;
    if (value == m_axis.RangeLow)
        m_axis.RangeLow = value + 1;
    AxisChanged();
}

void TScale::SetScaleType(TScaleType value)
{
    if (value == m_axis.ScaleType)
        return;
    m_axis.ScaleType = value;
    AxisChanged();
}

bool TScale::Visible() const { return !IsExplicitlyHidden(*this); }

void TScale::SetVisible(bool value) { setVisible(value); }

void TScale::SetDrawTarget(TCanvas* canvas, int offsetX, int offsetY)
{
    m_drawTarget = canvas;
    m_drawOffset = QPoint(offsetX, offsetY);
    // Drawing onto a target, the scale's own picture is never shown: free it.
    if (canvas)
        PictureBuffer().SetSize(0, 0);
    update();
    PropertyChanged();
}

void TScale::SetSuppressPaint(bool value)
{
    if (value == m_suppressPaint)
        return;
    m_suppressPaint = value;
    if (!value)
        PropertyChanged();
}

void TScale::ForcePaint()
{
    const bool suppressed = std::exchange(m_suppressPaint, false);
    PropertyChanged();
    m_suppressPaint = suppressed;
}

void TScale::RecalcScaling()
{
    m_axis.Width = width();
    m_axis.Height = height();
    ::RecalcScaling(m_axis, m_mapping);
}

int TScale::ValueToPixel(double value) const { return ::ValueToPixel(m_axis, m_mapping, value); }

void TScale::SetBounds(int left, int top, int width, int height)
{
    m_settingBounds = true;
    setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    m_settingBounds = false;
    AxisChanged();
}

void TScale::Loaded()
{
    RecalcScaling();
    m_loading = false;
    PropertyChanged();
}

void TScale::Assign(const QObject* source)
{
    const TScale& other = AssignSource<TScale>(source, this);
    m_frameStyle = other.m_frameStyle;
    m_colorBackGnd = other.m_colorBackGnd;
    m_colorScale = other.m_colorScale;
    m_colorScheme = other.m_colorScheme;
    OnScaleTickDrawn = other.OnScaleTickDrawn;
    m_axis = other.m_axis;
    m_mapping = other.m_mapping;
    m_ticks = other.m_ticks;
    m_showBaseLine = other.m_showBaseLine;
    m_transparent = other.m_transparent;
    // Copied quietly: the scale repaints once below.
    const TNotifyEvent dateFormatChanged = std::exchange(m_dateFormat->OnChange, nullptr);
    m_dateFormat->Assign(*other.m_dateFormat);
    m_dateFormat->OnChange = dateFormatChanged;
    m_caption = other.m_caption;
    m_drawTarget = other.m_drawTarget;
    m_drawOffset = other.m_drawOffset;
    m_suppressPaint = other.m_suppressPaint;
    // The copied mapping belongs to the source's size.
    AxisChanged();
}

void TScale::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_parentFont) {
        AdoptParentFont();
        PropertyChanged();
    } else if (event->type() == QEvent::PaletteChange) {
        // System colors are looked up in the palette.
        PropertyChanged();
    }
}
