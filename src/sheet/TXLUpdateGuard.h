// TXLUpdateGuard: brackets a batch of changes to a sheet with BeginUpdate
// and EndUpdate, so that its users repaint once at the end; the end runs
// also when the batch fails. Lives on the stack of whoever changes the
// sheet, which must outlive it.
#pragma once

#include "sheet/TXLSheet.h"

class TXLUpdateGuard {
public:
    explicit TXLUpdateGuard(TXLSheet& sheet) : FSheet(sheet) { FSheet.BeginUpdate(); }
    ~TXLUpdateGuard() { FSheet.EndUpdate(); }
    TXLUpdateGuard(const TXLUpdateGuard&) = delete;
    TXLUpdateGuard& operator=(const TXLUpdateGuard&) = delete;

private:
    TXLSheet& FSheet;
};
