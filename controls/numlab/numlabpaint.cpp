// How a numeric label draws itself into its bitmap.
#include "controls/numlab/numlab.h"
#include "controls/numlab/numtext.h"
#include "platform/rounding.h"

#include <QFont>

namespace {

// The text whose height sets the line of all three texts.
const QString kHeightProbe = QStringLiteral("(8g]}\u00DC\u00C4\u00A7");

int LeftTextX(TAlignment alignment, int leftSpace, int textWidth)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return 7;
    case TAlignment::taRightJustify:
        return leftSpace - textWidth - 5;
    default:
        return (leftSpace - textWidth) / 2;
    }
}

int RightTextX(TAlignment alignment, int controlWidth, int fieldRight, int textWidth)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return fieldRight + 7;
    case TAlignment::taRightJustify:
        return controlWidth - textWidth - 6;
    default:
        return (controlWidth - (fieldRight + textWidth)) / 2 + fieldRight + 1;
    }
}

int NumberX(TAlignment alignment, int leftSpace, int labelWidth, int textWidth)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return leftSpace + 4;
    case TAlignment::taRightJustify:
        return leftSpace + labelWidth - textWidth - 2;
    default:
        return leftSpace + (labelWidth - textWidth) / 2 + 2;
    }
}

bool IsBevel(TFrameStyle style)
{
    return style == TFrameStyle::fsLowered || style == TFrameStyle::fsRaised
        || style == TFrameStyle::fsEmbossed || style == TFrameStyle::fsEngraved;
}

} // namespace

void TNumLab::Render()
{
    TCanvas& canvas = PictureCanvas();
    const int w = width();
    const int h = height();
    canvas.Font = TFont::FromQFont(font());
    canvas.Pen = TPen{m_colorOutBakG};
    canvas.Brush = TBrush{m_colorOutBakG, TBrushStyle::bsSolid};
    canvas.Rectangle(0, 0, w, h);
    canvas.Font.Color = m_colorOutText;
    const int textTop = (h - canvas.TextHeight(kHeightProbe)) / 2;
    DrawTexts(canvas, textTop);
    DrawField(canvas);
    if (!m_empty)
        DrawNumber(canvas, textTop);
}

void TNumLab::DrawTexts(TCanvas& canvas, int textTop) const
{
    canvas.TextOut(LeftTextX(m_leftTextAlignment, m_leftSpace, canvas.TextWidth(m_leftText)), textTop,
                   m_leftText);
    canvas.TextOut(
        RightTextX(m_rightTextAlignment, width(), m_leftSpace + m_labelWidth, canvas.TextWidth(m_rightText)),
        textTop, m_rightText);
}

void TNumLab::DrawField(TCanvas& canvas) const
{
    const int left = m_leftSpace;
    const int right = m_leftSpace + m_labelWidth;
    const int h = height();
    const int q = h - 4;
    const TFrameColors colors = FrameColorsOf(m_colorScheme);
    if (m_frameStyle == TFrameStyle::fsNone)
        canvas.Pen.Color = m_colorLabBakG;
    else if (m_frameStyle == TFrameStyle::fsEmbossed)
        canvas.Pen.Color = colors.Highlight;
    else
        canvas.Pen.Color = colors.Shadow;
    canvas.Brush.Color = m_colorLabBakG;
    if (!IsBevel(m_frameStyle)) {
        canvas.Rectangle(left, 0, right + 2, h);
        return;
    }
    canvas.Rectangle(left, 0, right + 2, h - 1);
    const TBevelPens pens = BevelPens(m_frameStyle, colors);
    canvas.Pen.Color = pens.UpperLeft;
    canvas.Polyline({{left + 1, q + 1}, {left + 1, 1}, {right + 1, 1}});
    canvas.Pen.Color = pens.LowerRight;
    canvas.Polyline({{left + 1, q + 3}, {right + 2, q + 3}, {right + 2, 0}});
}

TNumLab::TBevelPens TNumLab::BevelPens(TFrameStyle style, const TFrameColors& colors)
{
    switch (style) {
    case TFrameStyle::fsLowered:
        return {colors.Line, colors.Highlight};
    case TFrameStyle::fsRaised:
        return {colors.Highlight, colors.Line};
    case TFrameStyle::fsEmbossed:
        return {colors.Shadow, colors.Shadow};
    default:
        return {colors.Highlight, colors.Highlight};
    }
}

void TNumLab::DrawNumber(TCanvas& canvas, int textTop) const
{
    const QString text = FieldText(canvas);
    canvas.Font.Color = m_colorLabText;
    const int q = height() - 4;
    const TRect clip = Rect(m_leftSpace + 3, 2, m_leftSpace + m_labelWidth - 1, q + 1);
    canvas.TextRect(clip, NumberX(m_alignment, m_leftSpace, m_labelWidth, canvas.TextWidth(text)), textTop,
                    text);
}

QString TNumLab::FormattedValue() const
{
    const std::optional<QString> formatted =
        FormatDisplayValue(m_value, {m_displayType, m_precision, m_dtFormat, m_stateText});
    if (!formatted)
        return m_overflowIndicator;
    if (!TakesSeparatorAndSign(m_displayType))
        return *formatted;
    const QString text = ApplyCommaRule(*formatted, m_comma);
    return m_forcePlusSign && m_value > 0 ? u'+' + text : text;
}

QString TNumLab::FieldText(const TCanvas& canvas) const
{
    QString text = FormattedValue();
    if (OnBeforeDisplay)
        OnBeforeDisplay(const_cast<TNumLab*>(this), text);
    if (m_displayType != TDisplay::dtState && canvas.TextWidth(text) > m_labelWidth - 6)
        text = m_overflowIndicator;
    return text;
}

QString TNumLab::DisplayText() const
{
    if (m_empty)
        return {};
    TBitmap probe(1, 1);
    probe.Canvas().Font = TFont::FromQFont(font());
    return FieldText(probe.Canvas());
}
