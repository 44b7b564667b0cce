#pragma once
// Numbers as the E IDE writes them in declarations, independent of the
// process locale (a German desktop must not turn 3.5 into "3,5").

#include <string>

#include "reader/constant_page.h"

namespace ec {

// `value` with up to 13 significant digits, the shorter of fixed and exponent
// notation, trailing zeros dropped: 100, 3.5, 0.1, 1e+20.
std::string FormatNumber13(double value);

// The numeric reading of a constant that is not a text: a number as it is, a
// logical as -1 or 0, a date-time as its day count, anything else as 0.
double ConstantNumber(const ConstantValue& value);

}  // namespace ec
