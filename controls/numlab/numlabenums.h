#pragma once
// Enumerations the numeric label publishes. Like the shared ones they live in a
// namespace known to the meta-object system; only the type names are declared globally.
#include <QObject>
#include <cstdint>

namespace NumLabEnums {
Q_NAMESPACE

// How the number is written; the ordinals are the ones stored with forms.
enum TDisplay : std::uint8_t {
    dtFloat,
    dtFixP,
    dtExp,
    dtHex,
    dtZeroInt,
    dtInt,
    dtDateTime,
    dtState,
    dtBin,
    dtOct,
    dtDeg,
    dtDegMin,
    dtDegMinSec,
};
Q_ENUM_NS(TDisplay)

} // namespace NumLabEnums

using NumLabEnums::TDisplay;
