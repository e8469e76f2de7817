#pragma once
// TCrossHair: position and look of one crosshair of a chart.
// Every setter stores its value as given (no comparison, no range check of Layer)
// and then reports the change through OnChange.
#include "controls/common/enums.h"
#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/events.h"

#include <QObject>
#include <cstdint>

class TCrossHair : public QObject {
    Q_OBJECT
    Q_PROPERTY(double PosX READ PosX WRITE SetPosX)
    Q_PROPERTY(double PosY READ PosY WRITE SetPosY)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(std::int32_t Layer READ Layer WRITE SetLayer)
    Q_PROPERTY(CommonEnums::TCrossHMode Mode READ Mode WRITE SetMode)
    Q_PROPERTY(TPenStyle LineType READ LineType WRITE SetLineType)
    Q_PROPERTY(std::int32_t LineWid READ LineWid WRITE SetLineWid)

public:
    explicit TCrossHair(QObject* owner = nullptr);

    double PosX() const { return m_posX; }
    void SetPosX(double value);
    double PosY() const { return m_posY; }
    void SetPosY(double value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    std::int32_t Layer() const { return m_layer; }
    void SetLayer(std::int32_t value);
    TCrossHMode Mode() const { return m_mode; }
    void SetMode(TCrossHMode value);
    TPenStyle LineType() const { return m_lineType; }
    void SetLineType(TPenStyle value);
    std::int32_t LineWid() const { return m_lineWid; }
    void SetLineWid(std::int32_t value);

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Store(T& field, T value);

    double m_posX = 0;
    double m_posY = 0;
    TColor m_color = clBlack;
    std::int32_t m_layer = 1;
    TCrossHMode m_mode = TCrossHMode::chOff;
    TPenStyle m_lineType = TPenStyle::psSolid;
    std::int32_t m_lineWid = 1;
};
