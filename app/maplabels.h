#pragma once
// The texts beside the error map: the inscription "d" over its vertical strip and the
// values at the ticks of both strips.
//
// The lesson's window keeps the design's labels. Any other window gets a label at every
// tick of its strips, centered on the tick; the values of the k strip are thinned to
// every second (third, …) tick where they are too wide to stand side by side, and the
// values of the d strip, which have only the room left of the strip, are shown in units
// of a power of ten where they do not fit, the inscription naming it: "d (×10³)".
#include "app/errormap.h"

#include <QList>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

class TMapLabels {
public:
    // dInscription and the design's value labels are labels on the map's panel, beside
    // the strips verticalStrip (d) and horizontalStrip (k).
    TMapLabels(QLabel& dInscription, const QList<QLabel*>& designValues, const QWidget& verticalStrip,
               const QWidget& horizontalStrip);

    void ShowDesign();
    void ShowWindow(const TMapWindow& window);

private:
    void ClearTickLabels();
    void ShowDValues(const TMapWindow& window);
    void ShowKValues(const TMapWindow& window);

    QLabel& m_dInscription;
    const QString m_dDesignText;
    const QRect m_dDesignPlace;
    const QList<QLabel*> m_designValues;
    const QWidget& m_verticalStrip;
    const QWidget& m_horizontalStrip;
    QList<QLabel*> m_tickLabels;
};

// A tick value as its label shows it: with the decimals its spacing needs, divided by
// 10^power.
QString TickLabelText(double value, long double step, int power);

// The power of ten as a factor: "×10³", "×10⁻²".
QString PowerOfTenFactor(int power);
