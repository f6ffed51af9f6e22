#include "sheet/TXLInfoList.h"

#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLSection.h"

#include <algorithm>
#include <memory>

namespace {
bool IsLineKind(TXLSheetInfo kind)
{
    return kind == siColLines || kind == siRowLines;
}
}  // namespace

TXLInfoList::TXLInfoList(TXLSection* section, TXLSheetInfo kind)
    : TListSList<TSList>([kind]() -> std::unique_ptr<TSList> {
          if (IsLineKind(kind))
              return std::make_unique<TSList>();
          return std::make_unique<TDefSList>();
      }),
      FSection(section), FKind(kind)
{
}

TXLInfoList::~TXLInfoList() = default;

int32_t TXLInfoList::GetDefault() const
{
    if (IsLines())
        return 0;
    return static_cast<int32_t>(FSection->GetBaseStyle()->GetCellInfo(CellInfoOf(FKind)));
}

void TXLInfoList::SetDefault(int32_t value)
{
    if (IsLines())
        return;
    ForAll([value](int, TSList* list) {
        static_cast<TDefSList*>(list)->SetZero(value);
        return 0;
    });
}

void TXLInfoList::Prepare(TSList* list, int index)
{
    (void)index;
    if (!IsLines())
        static_cast<TDefSList*>(list)->SetZero(GetDefault());
}

int32_t TXLInfoList::Read(int outer, int inner) const
{
    const TSList* list = GetAt(outer);
    if (!list)
        return GetDefault();
    if (IsLines())
        return list->GetAt(inner);
    return static_cast<const TDefSList*>(list)->GetInt(inner);
}

void TXLInfoList::Write(int outer, int inner, int32_t value)
{
    if (outer < 0 || inner < 0)
        return;
    TSList* list = GetAt(outer);
    if (!list) {
        if (value == GetDefault())
            return;
        list = Ensure(outer);
    }
    if (IsLines())
        list->PutAt(inner, value);
    else
        static_cast<TDefSList*>(list)->SetInt(inner, value);
}

void TXLInfoList::WriteRun(int outer, int from, int to, int32_t value)
{
    if (outer < 0 || outer > SListMaxIndex)
        return;
    from = std::max(from, 0);
    to = std::min(to, SListMaxCount);
    if (value == GetDefault()) {
        // Only stored positions can differ from the default.
        const TSList* list = GetAt(outer);
        if (!list)
            return;
        to = std::min(to, list->HighBound() + 1);
    }
    for (int i = from; i < to; ++i)
        Write(outer, i, value);
}

void TXLInfoList::ModifyInner(int index, int n)
{
    ForAll([index, n](int, TSList* list) {
        list->Modify(index, n);
        return 0;
    });
}

TXLSheetInfo SheetInfoOf(TXLCellInfo info)
{
    switch (info) {
    case ciBias1:
        return siBias1;
    case ciBias2:
        return siBias2;
    case ciColor:
        return siColor;
    case ciFrame:
        return siFrame;
    case ciStyles:
        return siStyles;
    case ciLayout:
        return siLayout;
    case ciLeft:
    case ciRight:
    case ciVInside:
        return siColLines;
    default:
        return siRowLines;
    }
}

TXLCellInfo CellInfoOf(TXLSheetInfo info)
{
    switch (info) {
    case siBias1:
        return ciBias1;
    case siBias2:
        return ciBias2;
    case siColor:
        return ciColor;
    case siFrame:
        return ciFrame;
    case siStyles:
        return ciStyles;
    case siLayout:
        return ciLayout;
    case siColLines:
        return ciLeft;
    default:
        return ciTop;
    }
}
