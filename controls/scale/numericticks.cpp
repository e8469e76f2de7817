#include "controls/scale/numericticks.h"

#include "controls/scale/decimals.h"
#include "controls/scale/numericlabels.h"
#include "controls/scale/numutil.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kEndTolerance = 0.001L;     // of a step, beyond RangeHigh
constexpr long double kRelativeSlack = 0.999999999L;

// Numbers the labelled ticks and finishes their texts.
class TLabelWriter {
public:
    explicit TLabelWriter(const TAxisSettings& axis) : m_axis(axis) {}

    QString Finish(const QString& number)
    {
        ++m_count;
        return m_axis.LabelType == ftNoFigs ? QString() : FinishTickLabel(number, m_axis, m_count);
    }

private:
    const TAxisSettings& m_axis;
    int m_count = 0;
};

// Decimals of linear labels; a logarithmic axis of less than a decade keeps its own
// automatic choice, and its exponent code falls back to the linear automatic choice.
int LinearLabelDecimals(const TAxisSettings& axis)
{
    if (!axis.Logarithmic)
        return LinearDecimals(axis.DecPlaces, axis.RangeLow, axis.RangeHigh);
    const int decimals = LogarithmicDecimals(axis.DecPlaces, axis.RangeLow, axis.RangeHigh);
    return decimals == kExponentLabels ? LinearDecimals(decimals, axis.RangeLow, axis.RangeHigh) : decimals;
}

void AddLinearTicks(const TAxisSettings& axis, int minTicks, TAxisTicks& result)
{
    const long double low = axis.RangeLow;
    const long double high = axis.RangeHigh;
    const TTickSpacing spacing = CalcTickSpacing(minTicks, low, high);
    result.Kind = TAxisKind::Linear;
    result.Spacing = spacing;
    result.Decimals = LinearLabelDecimals(axis);
    if (spacing.Step == 0)
        return;
    const long double dir = high > low ? 1 : -1;
    const long double shortStep = spacing.Step / spacing.SubIntervals;

    // Short ticks cover every short-step position in the range, long-tick positions
    // included, so only they are recorded when they are drawn.
    if (axis.ShortTicks) {
        const long double start = spacing.FirstTick - spacing.Step;
        for (int i = 0;; ++i) {
            const long double value = start + i * shortStep;
            if (dir * low <= dir * value)
                result.Ticks.push_back({static_cast<double>(value), false, true, {}, {}});
            if (!(dir * (start + (i + 1) * shortStep - high) <= kEndTolerance * std::fabs(shortStep)))
                break;
        }
    }
    TLabelWriter labels(axis);
    for (int i = 0;; ++i) {
        const long double value = spacing.FirstTick + i * spacing.Step;
        const QString number = LinearTickLabel(value, result.Decimals, axis.RangeLow, axis.RangeHigh);
        result.Ticks.push_back({static_cast<double>(value), true, !axis.ShortTicks, labels.Finish(number), {}});
        if (!(dir * (spacing.FirstTick + (i + 1) * spacing.Step - high) <= kEndTolerance * std::fabs(spacing.Step)))
            break;
    }
}

// mantissa × 10^exponent, as exact as the type allows.
long double DecadeMultiple(int mantissa, int exponent)
{
    const long double power = std::pow(10.0L, std::abs(exponent));
    return exponent >= 0 ? mantissa * power : mantissa / power;
}

void AddLogarithmicTicks(const TAxisSettings& axis, int minTicks, double decades, TAxisTicks& result)
{
    const double lower = std::min(axis.RangeLow, axis.RangeHigh);
    const double upper = std::max(axis.RangeLow, axis.RangeHigh);
    const bool intermediate = minTicks > decades + 0.5;
    result.Kind = TAxisKind::Logarithmic;
    result.Decimals = LogarithmicDecimals(axis.DecPlaces, axis.RangeLow, axis.RangeHigh);
    TLabelWriter labels(axis);
    const int firstExponent = Floor(static_cast<double>(std::log10(lower * kRelativeSlack)));
    for (int exponent = firstExponent;; ++exponent) {
        for (int mantissa = 1; mantissa <= (intermediate ? 9 : 1); ++mantissa) {
            const bool isLong = mantissa == 1 || mantissa == 2 || mantissa == 5;
            const long double value = DecadeMultiple(mantissa, exponent);
            const bool inside = lower < value / kRelativeSlack && upper > value * kRelativeSlack;
            if (!inside || (!isLong && !axis.ShortTicks))
                continue;
            QString label;
            if (isLong) {
                label = labels.Finish(
                    LogTickLabel(static_cast<double>(value), mantissa == 1, result.Decimals, axis.DecPlaces));
            }
            result.Ticks.push_back({static_cast<double>(value), isLong, true, label, {}});
        }
        if (!(upper >= kRelativeSlack * DecadeMultiple(1, exponent + 1)))
            break;
    }
}

} // namespace

TAxisTicks NumericAxisTicks(const TAxisSettings& axis, int minTicks)
{
    TAxisTicks result;
    if (!std::isfinite(axis.RangeLow) || !std::isfinite(axis.RangeHigh))
        return result;
    if (!axis.Logarithmic) {
        AddLinearTicks(axis, minTicks, result);
        return result;
    }
    result.Kind = TAxisKind::Logarithmic;
    if (axis.RangeLow <= 0 || axis.RangeHigh <= 0)
        return result;
    const double decades = std::fabs(std::log10(axis.RangeHigh / axis.RangeLow));
    if (decades < 1)
        AddLinearTicks(axis, minTicks, result);
    else
        AddLogarithmicTicks(axis, minTicks, decades, result);
    return result;
}
