// The row layout of the nine sheets as data: for each sheet its size, column
// widths, headers and the kind of each row (label, input or result value,
// unit list) with a short ASCII key that names the row's quantity outside
// the sheet (unique within a sheet). BuildSheetContent turns it into cells;
// FillPickLists and the command-line tool read the unit lists from it.
#pragma once

#include "calc/UnitTables.h"
#include "sheet/XLTypes.h"

#include <span>
#include <vector>

// What column 1 of a row holds.
enum class TValueKind {
    Input,        // typed by the user: centred, not protected
    Result,       // written by the handler: centred, protected
    MergedResult, // a result spanning columns 1 … 2
    Choice,       // the heat-drop sheet's pick list of the quantity to find
};

// What column 2 of a row holds.
enum class TUnitKind {
    List,          // a unit pick list
    None,          // an empty, read-only text cell
    EmptyReadOnly, // an empty, read-only pick list that is never filled
    Merged,        // covered by a merged result
};

struct TSheetRow {
    int Row;
    const char* Key; // "p", "h_steam", "lambda", …
    const char16_t* Label;
    TValueKind Value;
    TUnitKind Unit;
    TUnitList List = TUnitList::None;
    int StoredIndex = 0; // the unit cell's selected index as shipped
};

struct TSheetHeader {
    int Row;
    const char16_t* Text; // null: an empty label without the black box
    TColor Color;
    bool WhiteText = false;
};

struct TSheetLayout {
    int ColCount;
    int RowCount;
    int Widths[3];
    std::span<const TSheetHeader> Headers;
    // The rows above and below the heading that separates inputs from
    // results; sheets that share their results share the second part.
    std::span<const TSheetRow> Inputs;
    std::span<const TSheetRow> Results;
};

// The layout of calculation sheet n (1 … 8).
const TSheetLayout& SheetLayoutOf(int n);

// The rows of a layout whose unit cell is a pick list of that list.
std::vector<const TSheetRow*> UnitRowsOf(const TSheetLayout& layout, TUnitList list);
