// An input range as the command line says it, in the internal unit:
// "0 < p <= 500 bar", "3.4 <= s <= 20 kJ/(kg*K)", "t > -273.15 C".
#pragma once

#include "calc/InputRanges.h"

#include <string>

std::string RangeText(const TInputRange& range, const std::string& name);
