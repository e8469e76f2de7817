#include "controls/chart/textlabel.h"

namespace {

constexpr int kLayerCount = 16;

} // namespace

TTextLabel::TTextLabel(const TFont& font, QObject* owner)
    : QObject(owner)
    , m_font(font)
{
}

template <typename T>
void TTextLabel::Store(T& field, const T& value)
{
    field = value;
    if (OnChange)
        OnChange(this);
}

void TTextLabel::SetPosX(double value) { Store(m_posX, value); }
void TTextLabel::SetPosY(double value) { Store(m_posY, value); }
void TTextLabel::SetAttachToData(bool value) { Store(m_attachToData, value); }
void TTextLabel::SetColorBkg(TColor value) { Store(m_colorBkg, value); }
void TTextLabel::SetColorBorder(TColor value) { Store(m_colorBorder, value); }
void TTextLabel::SetColorShadow(TColor value) { Store(m_colorShadow, value); }
void TTextLabel::SetShadowDx(std::int32_t value) { Store(m_shadowDx, value); }
void TTextLabel::SetShadowDy(std::int32_t value) { Store(m_shadowDy, value); }
void TTextLabel::SetTransparent(bool value) { Store(m_transparent, value); }
void TTextLabel::SetAlignment(TAlignment value) { Store(m_alignment, value); }
void TTextLabel::SetFont(const TFont& value) { Store(m_font, value); }
void TTextLabel::SetMode(TTxtLblMode value) { Store(m_mode, value); }
void TTextLabel::SetCaption(const QString& value) { Store(m_caption, value); }

void TTextLabel::AssignPos(double x, double y)
{
    m_posX = x;
    m_posY = y;
}

void TTextLabel::SetLayer(std::int32_t value)
{
    if (value >= 1 && value <= kLayerCount)
        Store(m_layer, value);
}
