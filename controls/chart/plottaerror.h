#pragma once
// The exception the chart raises for mistakes a caller can make.
#include "controls/common/gryph_error.h"

class EGryphPlottaError : public EGryphError {
public:
    using EGryphError::EGryphError;
};
