#include "grid/TXLSelection.h"

#include "grid/GridTestSupport.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLSection.h"

namespace {

TEST_F(GridTest, SelectionObjectFollowsTheViewAndReportsChanges)
{
    int changes = 0;
    int selChanges = 0;
    Grid->OnChange = [&](void*) { ++changes; };
    Grid->OnSelChanged = [&](void*) { ++selChanges; };
    TXLSelection* selection = Grid->GetSelection();
    ASSERT_NE(selection, nullptr);

    // Setting the bounds selects in the view; the object is reloaded from
    // the top-left cell without a change notice.
    Grid->SetSelection(TXLRange(Sheet.get(), Rect(1, 1, 3, 2)));
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(1, 1, 3, 2));
    EXPECT_EQ(selection->GetBounds(), Rect(1, 1, 3, 2));
    EXPECT_EQ(changes, 0);
    const int selected = selChanges;
    EXPECT_GE(selected, 1);

    // Formatting through it reaches every cell and raises OnChange.
    selection->SetColor(clRed);
    EXPECT_EQ(Sheet->GetCell(1, 1)->GetColor(), clRed);
    EXPECT_EQ(Sheet->GetCell(2, 1)->GetColor(), clRed);
    EXPECT_NE(Sheet->GetCell(3, 1)->GetColor(), clRed);
    EXPECT_EQ(changes, 1);

    // A merge that changed something raises OnSelChanged.
    EXPECT_TRUE(selection->Merge(false));
    EXPECT_GT(selChanges, selected);
    EXPECT_TRUE(Sheet->GetSection(sClient)->FindUnion({2, 1}) != nullptr);

    // Without a sheet there is no selection object.
    Grid->SetSheet(nullptr);
    EXPECT_EQ(Grid->GetSelection(), nullptr);
}

}  // namespace
