#include "controls/scale/numericticks.h"

#include "controls/scale/decimals.h"
#include "controls/scale/numericlabels.h"
#include "controls/scale/numutil.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr long double kEndTolerance = 0.001L; // of a step, beyond RangeHigh
constexpr long double kRelativeSlack = 0.999999999L;

// Numbers the labeled ticks and finishes their texts.
class TLabelWriter {
public:
    explicit TLabelWriter(const TAxisSettings& axis)
        : m_axis(axis)
    {
    }

    QString Finish(const QString& number)
    {
        ++m_count;
        return m_axis.LabelType == TFigType::ftNoFigs ? QString() : FinishTickLabel(number, m_axis, m_count);
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
    std::vector<long double> longValues;
    for (int i = 0;; ++i) {
        longValues.push_back(spacing.FirstTick + i * spacing.Step);
        if (!(dir * (spacing.FirstTick + (i + 1) * spacing.Step - high)
              <= kEndTolerance * std::fabs(spacing.Step)))
            break;
    }
    const TLabelNeeds needs = LinearLabelNeeds(spacing.Step, longValues.front(), longValues.back());
    result.Digits = DigitsFor(LinearLabelDecimals(axis), needs);
    TLabelWriter labels(axis);
    for (const long double value : longValues) {
        const QString number = LinearTickLabel(value, result.Digits, axis.RangeLow, axis.RangeHigh);
        result.Ticks.push_back(
            {static_cast<double>(value), true, !axis.ShortTicks, labels.Finish(number), {}});
    }
}

// mantissa × 10^exponent, as exact as the type allows.
long double DecadeMultiple(int mantissa, int exponent)
{
    const long double power = std::pow(10.0L, std::abs(exponent));
    return exponent >= 0 ? mantissa * power : mantissa / power;
}

struct TLogTick {
    long double Value;
    int Mantissa; // 1..9 times a power of ten

    bool Long() const { return Mantissa == 1 || Mantissa == 2 || Mantissa == 5; }
};

// The drawn positions of a logarithmic axis in ascending order: every decade, with
// intermediate ticks also the 2 and 5 and, with short ticks, the other multiples.
std::vector<TLogTick> LogarithmicPositions(const TAxisSettings& axis, bool intermediate)
{
    const double lower = std::min(axis.RangeLow, axis.RangeHigh);
    const double upper = std::max(axis.RangeLow, axis.RangeHigh);
    std::vector<TLogTick> positions;
    const int firstExponent = Floor(static_cast<double>(std::log10(lower * kRelativeSlack)));
    for (int exponent = firstExponent;; ++exponent) {
        for (int mantissa = 1; mantissa <= (intermediate ? 9 : 1); ++mantissa) {
            const TLogTick tick{DecadeMultiple(mantissa, exponent), mantissa};
            const bool inside = lower < tick.Value / kRelativeSlack && upper > tick.Value * kRelativeSlack;
            if (inside && (tick.Long() || axis.ShortTicks))
                positions.push_back(tick);
        }
        if (!(upper >= kRelativeSlack * DecadeMultiple(1, exponent + 1)))
            break;
    }
    return positions;
}

void AddLogarithmicTicks(const TAxisSettings& axis, int minTicks, double decades, TAxisTicks& result)
{
    result.Kind = TAxisKind::Logarithmic;
    const std::vector<TLogTick> positions = LogarithmicPositions(axis, minTicks > decades + 0.5);
    const auto isLong = [](const TLogTick& tick) { return tick.Long(); };
    const auto smallest = std::find_if(positions.begin(), positions.end(), isLong);
    const auto largest = std::find_if(positions.rbegin(), positions.rend(), isLong);
    const int decimals = LogarithmicDecimals(axis.DecPlaces, axis.RangeLow, axis.RangeHigh);
    result.Digits = smallest == positions.end()
        ? TLabelDigits{decimals, 1}
        : DigitsFor(decimals, LogarithmicLabelNeeds(smallest->Value, largest->Value));
    TLabelWriter labels(axis);
    for (const TLogTick& tick : positions) {
        const double value = static_cast<double>(tick.Value);
        QString label;
        if (tick.Long())
            label = labels.Finish(LogTickLabel(value, tick.Mantissa == 1, result.Digits, axis.DecPlaces));
        result.Ticks.push_back({value, tick.Long(), true, label, {}});
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
