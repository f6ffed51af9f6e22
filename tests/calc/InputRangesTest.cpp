#include "calc/InputRanges.h"

#include "calc/SheetLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

namespace {

TEST(InputRanges, BoundsAreInclusiveOrExclusiveAsGiven)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        int Sheet, Row;
        float Value;
        bool In;
    } rows[] = {
        {2, 1, 221.0f, true},      {2, 1, 221.01f, false}, {2, 1, 0.0f, false},  {2, 1, 1e-30f, true},
        {7, 2, 3.4f, true},        {7, 2, 3.39f, false},   {7, 2, 20.0f, true},  {8, 1, 374.0f, true},
        {4, 1, -273.15f, false},   {4, 1, -273.14f, true}, {4, 1, 1e30f, true},  {3, 3, 0.0f, false},
        {3, 4, -5.0f, true},       // the initial enthalpy takes any number
        {1, 13, 1.0f, true},       // not an input: no range
        {1, 1, nan, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.Sheet) + "/" + std::to_string(r.Row) + " " + std::to_string(r.Value));
        EXPECT_EQ(InInputRange(r.Sheet, r.Row, r.Value), r.In);
    }
}

// Each range belongs to an input row of its sheet and is in that row's units.
TEST(InputRanges, EveryEntryIsAnInputOfItsSheet)
{
    for (const TInputRange& r : InputRanges()) {
        SCOPED_TRACE(std::to_string(r.Sheet) + "/" + std::to_string(r.Row));
        const TSheetLayout& layout = SheetLayoutOf(r.Sheet);
        bool found = false;
        for (const auto rows : {layout.Inputs, layout.Results})
            found |= std::any_of(rows.begin(), rows.end(), [&](const TSheetRow& row) {
                return row.Row == r.Row && row.Value == TValueKind::Input && row.List == r.List;
            });
        EXPECT_TRUE(found);
        EXPECT_LT(r.Low, r.High);
    }
}

} // namespace
