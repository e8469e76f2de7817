#include "controls/numlab/numlab.h"

#include "controls/numlab/numlabaccessible.h"
#include "controls/numlab/numtext.h"

#include <QMouseEvent>
#include <algorithm>

TNumLab::TNumLab(QWidget* parent)
    : TPictureControl(parent)
{
    InstallNumLabAccessibility();
    // The bitmap covers every pixel: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(160, 28);
    RenderIfOutdated();
}

void TNumLab::SetValue(double value) { Change(m_value, value); }
void TNumLab::SetDisplayType(TDisplay value) { Change(m_displayType, value); }
void TNumLab::SetDTFormat(const QString& value) { Change(m_dtFormat, value); }
void TNumLab::SetStateText(const QString& value) { Change(m_stateText, value); }
void TNumLab::SetOverflowIndicator(const QString& value) { Change(m_overflowIndicator, value); }
void TNumLab::SetEmpty(bool value) { Change(m_empty, value); }
void TNumLab::SetComma(bool value) { Change(m_comma, value); }
void TNumLab::SetForcePlusSign(bool value) { Change(m_forcePlusSign, value); }
void TNumLab::SetLeftText(const QString& value) { Change(m_leftText, value); }
void TNumLab::SetRightText(const QString& value) { Change(m_rightText, value); }
void TNumLab::SetLabelWidth(int value) { Change(m_labelWidth, value); }
void TNumLab::SetAlignment(TAlignment value) { Change(m_alignment, value); }
void TNumLab::SetLeftTextAlignment(TAlignment value) { Change(m_leftTextAlignment, value); }
void TNumLab::SetRightTextAlignment(TAlignment value) { Change(m_rightTextAlignment, value); }
void TNumLab::SetFrameStyle(TFrameStyle value) { Change(m_frameStyle, value); }
void TNumLab::SetColorLabBakG(TColor value) { Change(m_colorLabBakG, value); }
void TNumLab::SetColorLabText(TColor value) { Change(m_colorLabText, value); }
void TNumLab::SetColorOutBakG(TColor value) { Change(m_colorOutBakG, value); }
void TNumLab::SetColorOutText(TColor value) { Change(m_colorOutText, value); }

void TNumLab::SetPrecision(int value)
{
    if (value >= 0)
        Change(m_precision, std::min(value, kMaxDisplayPrecision));
}

void TNumLab::SetLeftSpace(int value)
{
    if (value >= 0)
        Change(m_leftSpace, std::min(value, width()));
}

void TNumLab::SetColorScheme(TColorScheme value) { Change(m_colorScheme, value); }

void TNumLab::Assign(const QObject* source)
{
    const TNumLab& other = AssignSource<TNumLab>(source, this);
    m_leftSpace = other.m_leftSpace;
    m_empty = other.m_empty;
    m_labelWidth = other.m_labelWidth;
    m_precision = other.m_precision;
    m_leftText = other.m_leftText;
    m_rightText = other.m_rightText;
    m_frameStyle = other.m_frameStyle;
    m_alignment = other.m_alignment;
    m_rightTextAlignment = other.m_rightTextAlignment;
    m_leftTextAlignment = other.m_leftTextAlignment;
    m_overflowIndicator = other.m_overflowIndicator;
    m_value = other.m_value;
    m_stateText = other.m_stateText;
    m_colorLabBakG = other.m_colorLabBakG;
    m_colorLabText = other.m_colorLabText;
    m_colorOutBakG = other.m_colorOutBakG;
    m_colorOutText = other.m_colorOutText;
    m_colorScheme = other.m_colorScheme;
    m_displayType = other.m_displayType;
    Repaint();
}

void TNumLab::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        Repaint();
}

void TNumLab::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    if (x <= m_leftSpace)
        m_mouseArea = 0;
    else if (x <= m_leftSpace + m_labelWidth)
        m_mouseArea = 1;
    else
        m_mouseArea = 2;
    TPictureControl::mouseMoveEvent(event);
}
