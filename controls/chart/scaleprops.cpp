#include "controls/chart/scaleprops.h"

#include "controls/common/axismap.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool IsHorizontalPlacement(TScaleType type) { return type == TScaleType::sctXB || type == TScaleType::sctXT; }

} // namespace

TColor LayerAxisColor(int layer)
{
    static constexpr std::array<TColor, 16> colors = {
        clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
        clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite,
    };
    return layer >= 1 && layer <= int(colors.size()) ? colors[layer - 1] : clBlack;
}

TScaleProps::TScaleProps(TScaleType placement, QObject* owner)
    : QObject(owner)
    , m_dateFormat(new TDTLabel(this))
    , m_scaleType(placement)
{
    m_dateFormat->OnChange = [this](QObject*) { Changed(); };
}

void TScaleProps::Changed()
{
    if (OnChange)
        OnChange(this);
}

template <typename T>
void TScaleProps::Store(T& field, const T& value)
{
    field = value;
    Changed();
}

void TScaleProps::SetCaption(const QString& value) { Store(m_caption, value); }
void TScaleProps::SetCaptionPosX(int value) { Store(m_captionPosX, value); }
void TScaleProps::SetCaptionPosY(int value) { Store(m_captionPosY, value); }
void TScaleProps::SetCaptionAlignment(TAlignment value) { Store(m_captionAlignment, value); }
void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor value) { Store(m_captionAnchor, value); }
void TScaleProps::SetColorScale(TColor value) { Store(m_colorScale, value); }
void TScaleProps::SetDecPlaces(int value) { Store(m_decPlaces, std::clamp(value, -3, 12)); }
void TScaleProps::SetFont(const TFont& value) { Store(m_font, value); }
void TScaleProps::SetMinTicks(int value) { Store(m_minTicks, value); }
void TScaleProps::SetShortTicks(bool value) { Store(m_shortTicks, value); }
void TScaleProps::SetScaleInscript(const QString& value) { Store(m_scaleInscript, value); }
void TScaleProps::SetUserTickText(const QString& value) { Store(m_userTickText, value); }
void TScaleProps::SetVisible(bool value) { Store(m_visible, value); }

void TScaleProps::SetDateFormat(TDTLabel* value)
{
    // Assign reports through the label's OnChange, which reports this change.
    if (!value)
        return;
    if (value == m_dateFormat)
        Changed();
    else
        m_dateFormat->Assign(*value);
}

bool TScaleProps::AcceptsLogarithmic() const
{
    return m_loading || (RangeHasLogarithms(m_rangeLow, m_rangeHigh) && m_labelType != TFigType::ftDateTime);
}

void TScaleProps::SetLogarithmic(bool value)
{
    if (!value || AcceptsLogarithmic())
        m_logarithmic = value;
    Changed();
}

void TScaleProps::SetLabelType(TFigType value)
{
    m_labelType = value;
    if (value == TFigType::ftDateTime)
        m_logarithmic = false;
    else if (value == TFigType::ftTime)
        m_decPlaces = 4;
    Changed();
}

void TScaleProps::SetMinRange(double value)
{
    if (!(value > kLogFloor) || !std::isfinite(value))
        return;
    m_minRange = value;
    if (std::abs(m_rangeHigh - m_rangeLow) >= value)
        return;
    const double center = (m_rangeHigh + m_rangeLow) / 2;
    m_rangeLow = center - value / 2;
    m_rangeHigh = center + value / 2;
    Changed();
}

void TScaleProps::SetRangeLow(double value)
{
    if (!std::isfinite(value))
        return;
    if (std::abs(m_rangeHigh - value) < m_minRange) {
        m_rangeLow = value;
        m_rangeHigh = value + m_minRange;
    } else if (!m_logarithmic || value >= kLogFloor) {
        m_rangeLow = value;
    }
    Changed();
}

void TScaleProps::SetRangeHigh(double value)
{
    if (!std::isfinite(value))
        return;
    if (std::abs(value - m_rangeLow) < m_minRange) {
        m_rangeHigh = value;
        m_rangeLow = value - m_minRange;
    } else if (!m_logarithmic || value >= kLogFloor) {
        m_rangeHigh = value;
    }
    Changed();
}

int TScaleProps::ScalePos() const
{
    return IsHorizontalPlacement(m_scaleType) ? m_horizontalScalePos : m_verticalScalePos;
}

void TScaleProps::SetScalePos(int value)
{
    Store(IsHorizontalPlacement(m_scaleType) ? m_horizontalScalePos : m_verticalScalePos, value);
}

void TScaleProps::SetScaleType(TScaleType value) { Store(m_scaleType, value); }

void TScaleProps::AssignRange(double low, double high)
{
    m_rangeLow = low;
    m_rangeHigh = high;
}

TScalePropsHoriz::TScalePropsHoriz(int layer, QObject* owner)
    : TScaleProps(layer % 2 == 1 ? TScaleType::sctXT : TScaleType::sctXB, owner)
{
    SetScalePos((layer - 1) / 2 * 30);
    SetColorScale(LayerAxisColor(layer));
}

TScaleLocationHoriz TScalePropsHoriz::ScaleLocation() const
{
    return ScaleType() == TScaleType::sctXB ? TScaleLocationHoriz::slTop : TScaleLocationHoriz::slBottom;
}

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz value)
{
    SetScaleType(value == TScaleLocationHoriz::slTop ? TScaleType::sctXB : TScaleType::sctXT);
}

TScalePropsVert::TScalePropsVert(int layer, QObject* owner)
    : TScaleProps(layer % 2 == 1 ? TScaleType::sctYR : TScaleType::sctYL, owner)
{
    SetScalePos((layer - 1) / 2 * 50);
    SetColorScale(LayerAxisColor(layer));
}

TScaleLocationVert TScalePropsVert::ScaleLocation() const
{
    return ScaleType() == TScaleType::sctYL ? TScaleLocationVert::slRight : TScaleLocationVert::slLeft;
}

void TScalePropsVert::SetScaleLocation(TScaleLocationVert value)
{
    SetScaleType(value == TScaleLocationVert::slRight ? TScaleType::sctYL : TScaleType::sctYR);
}
