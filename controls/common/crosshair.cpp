#include "controls/common/crosshair.h"

TCrossHair::TCrossHair(QObject* owner)
    : QObject(owner)
{
}

template <typename T>
void TCrossHair::Store(T& field, T value)
{
    field = value;
    if (OnChange)
        OnChange(this);
}

void TCrossHair::SetPosX(double value) { Store(m_posX, value); }
void TCrossHair::SetPosY(double value) { Store(m_posY, value); }
void TCrossHair::SetColor(TColor value) { Store(m_color, value); }
void TCrossHair::SetLayer(std::int32_t value) { Store(m_layer, value); }
void TCrossHair::SetMode(TCrossHMode value) { Store(m_mode, value); }
void TCrossHair::SetLineType(TPenStyle value) { Store(m_lineType, value); }
void TCrossHair::SetLineWid(std::int32_t value) { Store(m_lineWid, value); }
