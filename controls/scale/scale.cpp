#include "controls/scale/scale.h"
#include "platform/widgetstate.h"

#include "controls/common/axismap.h"
#include "controls/common/colorscheme.h"
#include "controls/common/gryph_error.h"
#include "platform/rounding.h"

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
    : QWidget(parent)
    , m_dateFormat(new TDTLabel(this))
{
    resize(kDefaultSize, kDefaultSize);
    AdoptParentFont();
    m_dateFormat->OnChange = [this](QObject*) { RequestRepaint(); };
    RecalcScaling();
    SetSuppressPaint(false);
}

TScale::TFrameColors TScale::FrameColorsOf(TColorScheme scheme)
{
    const TSchemeColors colors = SchemeColors(scheme);
    return {clBlack, colors.Dark, colors.Light};
}

template <typename T>
void TScale::StoreAndRepaint(T& field, const T& value)
{
    field = value;
    RequestRepaint();
}

template <typename T>
void TScale::ChangeAndRepaint(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    RequestRepaint();
}

template <typename T>
void TScale::StoreAndRescale(T& field, const T& value)
{
    field = value;
    RecalcScaling();
    RequestRepaint();
}

void TScale::SetCaption(const QString& value) { StoreAndRepaint(m_caption.Text, value); }
void TScale::SetCaptionPosX(int value) { StoreAndRepaint(m_caption.PosX, value); }
void TScale::SetCaptionPosY(int value) { StoreAndRepaint(m_caption.PosY, value); }
void TScale::SetCaptionAlignment(TAlignment value) { StoreAndRepaint(m_caption.Alignment, value); }
void TScale::SetCaptionAnchor(TScaleUnitAnchor value) { StoreAndRepaint(m_caption.Anchor, value); }
void TScale::SetColorBackGnd(TColor value) { ChangeAndRepaint(m_colorBackGnd, value); }
void TScale::SetColorScale(TColor value) { ChangeAndRepaint(m_colorScale, value); }
void TScale::SetFrameStyle(TFrameStyle value) { ChangeAndRepaint(m_frameStyle, value); }
void TScale::SetShortTicks(bool value) { ChangeAndRepaint(m_axis.ShortTicks, value); }
void TScale::SetShowBaseLine(bool value) { StoreAndRepaint(m_showBaseLine, value); }
void TScale::SetScaleInscript(const QString& value) { StoreAndRepaint(m_axis.ScaleInscript, value); }
void TScale::SetTransparent(bool value) { StoreAndRepaint(m_transparent, value); }
void TScale::SetUserTickText(const QString& value) { StoreAndRepaint(m_axis.UserTickText, value); }
void TScale::SetChartOwned(bool value) { ChangeAndRepaint(m_chartOwned, value); }
void TScale::SetMinTicks(int value) { StoreAndRepaint(m_axis.MinTicks, std::clamp(value, kFewestTicks, kMostTicks)); }
void TScale::SetMarginTop(int value) { StoreAndRescale(m_axis.MarginTop, std::max(value, 0)); }
void TScale::SetMarginBottom(int value) { StoreAndRescale(m_axis.MarginBottom, std::max(value, 0)); }
void TScale::SetMarginLeft(int value) { StoreAndRescale(m_axis.MarginLeft, std::max(value, 0)); }
void TScale::SetMarginRight(int value) { StoreAndRescale(m_axis.MarginRight, std::max(value, 0)); }

void TScale::SetDecPlaces(int value)
{
    StoreAndRescale(m_axis.DecPlaces, std::clamp(value, kLowestDecPlaces, kHighestDecPlaces));
}

void TScale::SetColorScheme(TColorScheme value)
{
    if (value == m_colorScheme)
        return;
    m_colorScheme = value;
    m_frameColors = FrameColorsOf(value);
    RequestRepaint();
}

void TScale::SetFont(const TFont& value)
{
    m_parentFont = false;
    StoreAndRepaint(m_font, value);
}

void TScale::SetParentFont(bool value)
{
    if (value == m_parentFont)
        return;
    m_parentFont = value;
    if (value)
        AdoptParentFont();
    RequestRepaint();
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
    if (value == ftDateTime) {
        m_axis.Logarithmic = false;
        RecalcScaling();
    } else if (value == ftTime) {
        m_axis.DecPlaces = kTimeDecPlaces;
    }
    RequestRepaint();
}

void TScale::SetLogarithmic(bool value)
{
    const bool accepted = !value || m_loading ||
                          (RangeHasLogarithms(m_axis.RangeLow, m_axis.RangeHigh) && m_axis.LabelType != ftDateTime);
    if (accepted)
        m_axis.Logarithmic = value;
    RecalcScaling();
    RequestRepaint();
}

void TScale::SetRangeLow(double value)
{
    m_axis.RangeLow = value;
    if (value == m_axis.RangeHigh)
        m_axis.RangeHigh = value + 1;
    RecalcScaling();
    RequestRepaint();
}

void TScale::SetRangeHigh(double value)
{
    m_axis.RangeHigh = value;
    if (value == m_axis.RangeLow)
        m_axis.RangeLow = value + 1;
    RecalcScaling();
    RequestRepaint();
}

void TScale::SetScaleType(TScaleType value)
{
    if (value == m_axis.ScaleType)
        return;
    StoreAndRescale(m_axis.ScaleType, value);
}

bool TScale::Visible() const
{
    return !IsExplicitlyHidden(*this);
}

void TScale::SetVisible(bool value)
{
    setVisible(value);
}

void TScale::SetDrawTarget(TCanvas* canvas, int offsetX, int offsetY)
{
    m_drawTarget = canvas;
    m_drawOffset = QPoint(offsetX, offsetY);
    // Drawing onto a target, the scale's own picture is never shown: free it.
    if (canvas)
        m_surface.SetSize(0, 0);
    update();
    RequestRepaint();
}

void TScale::SetSuppressPaint(bool value)
{
    if (value == m_suppressPaint)
        return;
    m_suppressPaint = value;
    if (!value)
        RequestRepaint();
}

void TScale::ForcePaint()
{
    const bool suppressed = std::exchange(m_suppressPaint, false);
    RequestRepaint();
    m_suppressPaint = suppressed;
}

void TScale::RecalcScaling()
{
    m_axis.Width = width();
    m_axis.Height = height();
    ::RecalcScaling(m_axis, m_mapping);
}

int TScale::ValueToPixel(double value) const
{
    return ::ValueToPixel(m_axis, m_mapping, value);
}

void TScale::SetBounds(int left, int top, int width, int height)
{
    m_settingBounds = true;
    setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    m_settingBounds = false;
    RecalcScaling();
    RequestRepaint();
}

void TScale::Loaded()
{
    RecalcScaling();
    m_loading = false;
    RequestRepaint();
}

void TScale::Assign(const QObject* source)
{
    const auto* other = qobject_cast<const TScale*>(source);
    if (!other)
        throw CannotAssign(source, this);
    m_frameStyle = other->m_frameStyle;
    m_colorBackGnd = other->m_colorBackGnd;
    m_colorScale = other->m_colorScale;
    m_frameColors = other->m_frameColors;
    m_colorScheme = other->m_colorScheme;
    OnScaleTickDrawn = other->OnScaleTickDrawn;
    m_axis = other->m_axis;
    m_mapping = other->m_mapping;
    m_ticks = other->m_ticks;
    m_showBaseLine = other->m_showBaseLine;
    m_transparent = other->m_transparent;
    // Copied quietly: the scale repaints once below.
    const TNotifyEvent dateFormatChanged = std::exchange(m_dateFormat->OnChange, nullptr);
    m_dateFormat->Assign(*other->m_dateFormat);
    m_dateFormat->OnChange = dateFormatChanged;
    m_caption = other->m_caption;
    m_drawTarget = other->m_drawTarget;
    m_drawOffset = other->m_drawOffset;
    m_suppressPaint = other->m_suppressPaint;
    // The copied mapping belongs to the source's size.
    RecalcScaling();
    RequestRepaint();
}

void TScale::AssignTo(QObject* dest) const
{
    auto* other = qobject_cast<TScale*>(dest);
    if (!other)
        throw CannotAssign(this, dest);
    other->Assign(this);
}

void TScale::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_parentFont) {
        AdoptParentFont();
        RequestRepaint();
    } else if (event->type() == QEvent::PaletteChange) {
        // System colors are looked up in the palette.
        RequestRepaint();
    }
}

// The scale adds no mouse behavior of its own; it only reports the standard events.
void TScale::mouseMoveEvent(QMouseEvent* event) { NotifyMouseMove(this, *event); }

void TScale::mousePressEvent(QMouseEvent* event) { NotifyMousePress(this, *event); }

void TScale::mouseReleaseEvent(QMouseEvent* event) { NotifyMouseRelease(this, *event); }

void TScale::mouseDoubleClickEvent(QMouseEvent* event) { NotifyMouseDoubleClick(this, *event); }
