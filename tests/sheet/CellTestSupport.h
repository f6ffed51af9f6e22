// A fixture for the value-class tests: a 10 x 10 sheet that counts value
// changes through its cell-changed event (cells made by MakeCell carry
// csNotify, so every counted change is one OnCellChanged call).
#pragma once

#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <gtest/gtest.h>

class TCellTest : public testing::Test {
protected:
    void SetUp() override
    {
        sheet.SetColCount(10);
        sheet.SetRowCount(10);
        sheet.OnCellChanged = [this](void*, TPoint) { ++changes; };
    }

    // A cell of class T at (col, row) with csNotify (and extra) in its
    // styles; the change count starts at 0.
    template <class T>
    T* MakeCell(int col, int row, TXLCellStyles extra = {})
    {
        sheet.SetCellClass(col, row, T::StaticClass());
        T* cell = dynamic_cast<T*>(sheet.GetCell(col, row));
        EXPECT_NE(cell, nullptr);
        if (cell)
            cell->SetStyles(TXLCellStyles{csNotify} + extra);
        changes = 0;
        return cell;
    }

    TXLSheet sheet;
    int changes = 0;
};
