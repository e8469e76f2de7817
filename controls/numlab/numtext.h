#pragma once
// The text a numeric label writes for its value.
#include "controls/numlab/numlabenums.h"

#include <QString>
#include <optional>

// The most digits a numeric label can be asked for.
constexpr int kMaxDisplayPrecision = 15;

struct TNumTextSettings {
    TDisplay Type = TDisplay::dtFixP;
    int Precision = 2; // 0..kMaxDisplayPrecision
    QString DTFormat; // pattern for dtDateTime
    QString StateText; // the text of dtState
};

// The value written as the display type asks, before the comma rule and the plus
// sign. Empty when the value lies outside the range the type can show (the label
// then shows its overflow indicator). Hex, binary and octal with precision 0 show as
// many digits as the low 32 bits need.
std::optional<QString> FormatDisplayValue(double value, const TNumTextSettings& settings);

// Whether the comma rule and the plus sign apply to a display type.
bool TakesSeparatorAndSign(TDisplay type);

// With comma every "." becomes ","; without it every "," becomes ".".
QString ApplyCommaRule(QString text, bool comma);
