#include "app/maplabels.h"

#include "app/formkit.h"
#include "controls/scale/ticklabels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// The design's value labels are 12 pixels high; the vertical ones end left of the
// strip, the horizontal ones hang below it.
constexpr int ValueFontPixels = 12;
constexpr int KValuesTop = 233;
// Free pixels between two k values side by side.
constexpr int KValuesGap = 6;

int StepExponent(long double step) { return static_cast<int>(std::floor(std::log10(std::abs(step)) + 1e-9)); }

} // namespace

QString TickLabelText(double value, long double step, int power)
{
    const long double scaled = value / std::pow(10.0L, power);
    return FormatTickNumber(scaled, std::max(0, power - StepExponent(step)));
}

QString PowerOfTenFactor(int power)
{
    static const QString superscripts = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString exponent;
    for (const QChar digit : QString::number(std::abs(power)))
        exponent += superscripts[digit.digitValue()];
    if (power < 0)
        exponent.prepend(QChar(0x207B)); // superscript minus
    return QString::fromUtf8("×10") + exponent;
}

TMapLabels::TMapLabels(QLabel& dInscription, const QList<QLabel*>& designValues, const QWidget& verticalStrip,
                       const QWidget& horizontalStrip)
    : m_dInscription(dInscription)
    , m_dDesignText(dInscription.text())
    , m_dDesignPlace(dInscription.geometry())
    , m_designValues(designValues)
    , m_verticalStrip(verticalStrip)
    , m_horizontalStrip(horizontalStrip)
{
}

void TMapLabels::ClearTickLabels()
{
    qDeleteAll(m_tickLabels);
    m_tickLabels.clear();
}

void TMapLabels::ShowDesign()
{
    ClearTickLabels();
    m_dInscription.setText(m_dDesignText);
    m_dInscription.setGeometry(m_dDesignPlace);
    for (QLabel* label : m_designValues)
        label->show();
}

void TMapLabels::ShowWindow(const TMapWindow& window)
{
    ClearTickLabels();
    for (QLabel* label : m_designValues)
        label->hide();
    ShowDValues(window);
    ShowKValues(window);
}

void TMapLabels::ShowDValues(const TMapWindow& window)
{
    QWidget* panel = m_verticalStrip.parentWidget();
    const std::vector<double> ticks = TickValues(window.DTicks, window.DHigh);
    const long double step = window.DTicks.Step;
    const int room = m_verticalStrip.x() + 1;
    const QFont font = ArialPixels(ValueFontPixels);
    auto widest = [&](int power) {
        int width = 0;
        for (const double d : ticks)
            width = std::max(width, QFontMetrics(font).horizontalAdvance(TickLabelText(d, step, power)));
        return width;
    };
    // In units of the step's power of ten the values are whole numbers.
    const int power = widest(0) <= room ? 0 : StepExponent(step);

    for (const double d : ticks) {
        const int y = m_verticalStrip.y() + StripYOfD(d, m_verticalStrip.height(), window);
        QLabel* label = MakeRightAlignedLabel(panel, QStringLiteral("DValue"), TickLabelText(d, step, power),
                                              room, 0, font);
        label->move(label->x(), y - label->height() / 2);
        label->show();
        m_tickLabels << label;
    }
    m_dInscription.setText(power == 0 ? m_dDesignText
                                      : m_dDesignText + QStringLiteral(" (") + PowerOfTenFactor(power)
                                   + QLatin1Char(')'));
    m_dInscription.adjustSize();
}

void TMapLabels::ShowKValues(const TMapWindow& window)
{
    QWidget* panel = m_horizontalStrip.parentWidget();
    const std::vector<double> ticks = TickValues(window.KTicks, window.KHigh);
    if (ticks.empty())
        return;
    const long double step = window.KTicks.Step;
    const QFont font = ArialPixels(ValueFontPixels);
    QStringList texts;
    int widest = 0;
    for (const double k : ticks) {
        texts << TickLabelText(k, step, 0);
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(texts.back()));
    }
    const double spacing = step * m_horizontalStrip.width() / window.KSpan();
    const int every = std::max(1, static_cast<int>(std::ceil((widest + KValuesGap) / spacing)));
    for (std::size_t t = 0; t < ticks.size(); t += every) {
        const int x = m_horizontalStrip.x() + StripXOfK(ticks[t], m_horizontalStrip.width(), window);
        QLabel* label = MakeLabel(panel, QStringLiteral("KValue"), texts[t], 0, KValuesTop, font);
        label->move(std::clamp(x - label->width() / 2, 0, panel->width() - label->width()), KValuesTop);
        label->show();
        m_tickLabels << label;
    }
}
