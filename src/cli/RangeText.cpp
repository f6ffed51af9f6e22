#include "cli/RangeText.h"

#include "cli/CliNumbers.h"
#include "cli/UnitAliases.h"

#include <cmath>

std::string RangeText(const TInputRange& range, const std::string& name)
{
    const bool low = std::isfinite(range.Low);
    const bool high = std::isfinite(range.High);
    std::string text;
    if (low && high)
        text = FormatShortFloat(range.Low) + (range.LowInclusive ? " <= " : " < ") + name;
    else if (low)
        text = name + (range.LowInclusive ? " >= " : " > ") + FormatShortFloat(range.Low);
    else
        text = name;
    if (high)
        text += (range.HighInclusive ? " <= " : " < ") + FormatShortFloat(range.High);
    return text + " " + AsciiUnitName(range.List, InternalUnitIndex(range.List));
}
