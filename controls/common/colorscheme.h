#pragma once
// The frame colors a control derives from its color scheme.
#include "controls/common/enums.h"
#include "platform/color.h"

struct TSchemeColors {
    TColor Dark;
    TColor Light;
};

// csSystem follows the platform's button colors; csBWG (and anything unknown)
// uses plain gray and white.
constexpr TSchemeColors SchemeColors(TColorScheme scheme)
{
    if (scheme == TColorScheme::csSystem)
        return {clBtnShadow, clBtnHighlight};
    return {clGray, clWhite};
}

// The outer line, shadow and highlight of a control's frame.
struct TFrameColors {
    TColor Line;
    TColor Shadow;
    TColor Highlight;
};

constexpr TFrameColors FrameColorsOf(TColorScheme scheme)
{
    const TSchemeColors colors = SchemeColors(scheme);
    return {clBlack, colors.Dark, colors.Light};
}
