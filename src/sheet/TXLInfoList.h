// TXLInfoList: one of the eight position-info lists of a section, a
// two-level sparse list. siColLines is indexed by vertical line x (the left
// edge of column x) and then by row; siRowLines by horizontal line y and then
// by column; their inner lists are plain TSLists of packed borders (0 = no
// line). The other six are indexed by row and then by column; their inner
// lists are TDefSLists whose default is the section base style's value of
// the same kind, so only positions that differ from it take memory. Owned by
// its section.
#pragma once

#include "sheet/TDefSList.h"
#include "sheet/TListSList.h"
#include "sheet/TSList.h"
#include "sheet/XLEnums.h"

#include <cstdint>

class TXLSection;

class TXLInfoList : public TListSList<TSList> {
public:
    TXLInfoList(TXLSection* section, TXLSheetInfo kind);
    ~TXLInfoList() override;

    TXLSheetInfo GetKind() const { return FKind; }
    bool IsLines() const { return FKind == siColLines || FKind == siRowLines; }
    // What an unwritten position reads as: no line, or the base style's value.
    int32_t GetDefault() const;
    // Gives every existing inner list the new default (the base style's value
    // changed to it).
    void SetDefault(int32_t value);

    int32_t Read(int outer, int inner) const;
    void Write(int outer, int inner, int32_t value);
    // Writes value at inner indices [from, to) of outer; writing the default
    // touches only what is stored.
    void WriteRun(int outer, int from, int to, int32_t value);
    // Shifts the inner indices of every inner list (n > 0 inserts defaults,
    // n < 0 deletes).
    void ModifyInner(int index, int n);

protected:
    void Prepare(TSList* list, int index) override;

private:
    TXLSection* FSection;
    TXLSheetInfo FKind;
};

// The position-info list of a non-line info kind, and back.
TXLSheetInfo SheetInfoOf(TXLCellInfo info);
TXLCellInfo CellInfoOf(TXLSheetInfo info);
