// The shipped content of the nine sheets: XLSheet0, the picture shown before
// a calculation is chosen, and XLSheet1 … XLSheet8, the input/output tables
// of the calculations (labels in column 0, values in column 1, unit pick
// lists in column 2). The content is design data built through the sheet
// model; the shipped sheet files are generated from it. Pick-list items are
// not part of it: the program fills them when its window is created
// (FillPickLists), and a user's state file may replace them.
#pragma once

class TXLSheet;

constexpr int SheetCount = 9; // XLSheet0 … XLSheet8

// Builds sheet n's content into an empty sheet.
void BuildSheetContent(int n, TXLSheet& sheet);

// Fills the unit pick lists of sheet n with their items and selects the
// first item (the heat-drop sheet's quantity list: its fourth, the heat drop).
void FillPickLists(int n, TXLSheet& sheet);

// Gives the pick lists of sheet n the current items while keeping each
// selection that still names an item: a state file saved by an older
// version carries that version's unit names.
void RefreshPickLists(int n, TXLSheet& sheet);
