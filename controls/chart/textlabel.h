#pragma once
// TTextLabel: one of a chart's 20 text labels, a caption of one or more lines placed
// at a point of a layer's data or at a pixel of the control, optionally boxed,
// underlined or shadowed. Every setter stores its value and reports the change
// through OnChange (a refused Layer is not reported).
#include "controls/common/enums.h"
#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/events.h"

#include <QObject>
#include <QString>
#include <cstdint>

class TTextLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(double PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(double PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(std::int32_t Layer READ Layer WRITE SetLayer)
    Q_PROPERTY(bool AttachToData READ AttachToData WRITE SetAttachToData)
    Q_PROPERTY(TColor ColorBkg READ ColorBkg WRITE SetColorBkg)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder)
    Q_PROPERTY(TColor ColorShadow READ ColorShadow WRITE SetColorShadow)
    Q_PROPERTY(std::int32_t ShadowDx READ ShadowDx WRITE SetShadowDx)
    Q_PROPERTY(std::int32_t ShadowDy READ ShadowDy WRITE SetShadowDy)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(CommonEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(CommonEnums::TTxtLblMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    // A label switched off, at (0, 0) of layer 1's data, writing in `font`.
    TTextLabel(const TFont& font, QObject* owner);

    // Position in data units of Layer when AttachToData, else in control pixels.
    double PosX() const { return m_posX; }
    void SetPosX(double value);
    double PosY() const { return m_posY; }
    void SetPosY(double value);
    // Moves the label without reporting it (the chart repaints by itself).
    void AssignPos(double x, double y);
    // 1..16; other values are ignored.
    std::int32_t Layer() const { return m_layer; }
    void SetLayer(std::int32_t value);
    bool AttachToData() const { return m_attachToData; }
    void SetAttachToData(bool value);

    TColor ColorBkg() const { return m_colorBkg; }
    void SetColorBkg(TColor value);
    TColor ColorBorder() const { return m_colorBorder; }
    void SetColorBorder(TColor value);
    TColor ColorShadow() const { return m_colorShadow; }
    void SetColorShadow(TColor value);
    // Offset of the shadow box in pixels.
    std::int32_t ShadowDx() const { return m_shadowDx; }
    void SetShadowDx(std::int32_t value);
    std::int32_t ShadowDy() const { return m_shadowDy; }
    void SetShadowDy(std::int32_t value);
    // No background box behind the text.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    // Of the text about the position, and of the lines among themselves.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    TFont Font() const { return m_font; }
    void SetFont(const TFont& value);
    TTxtLblMode Mode() const { return m_mode; }
    void SetMode(TTxtLblMode value);
    // A line feed starts a new line; the last line ends at the position.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& value);

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Store(T& field, const T& value);

    double m_posX = 0;
    double m_posY = 0;
    std::int32_t m_layer = 1;
    bool m_attachToData = true;
    TColor m_colorBkg = clWhite;
    TColor m_colorBorder = clBlack;
    TColor m_colorShadow = clGray;
    std::int32_t m_shadowDx = 3;
    std::int32_t m_shadowDy = 3;
    bool m_transparent = false;
    TAlignment m_alignment = TAlignment::taCenter;
    TFont m_font;
    TTxtLblMode m_mode = TTxtLblMode::tlOff;
    QString m_caption;
};
