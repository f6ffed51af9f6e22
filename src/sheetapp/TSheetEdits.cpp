#include "TSheetEdits.h"

#include "grid/IXLEditHost.h"
#include "grid/TRAVazo.h"
#include "grid/TXLSelection.h"
#include "grid/TXLView.h"
#include "grid/XLCopyData.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSectionRange.h"
#include "sheet/TXLSheet.h"
#include "stream/XLClipboard.h"
#include "stream/XLSheetFile.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include <exception>

TSheetEdits::TSheetEdits(TRAVazo* grid, QMenu* menu, std::function<void(const QString&)> report)
    : QObject(grid), FGrid(grid), FReport(std::move(report))
{
    const auto add = [&](const char16_t* text, QKeySequence keys, void (TSheetEdits::*slot)()) {
        QAction* action = menu->addAction(QString::fromUtf16(text));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        return action;
    };
    FUndoAction = add(u"Отменить", QKeySequence::Undo, &TSheetEdits::Undo);
    menu->addSeparator();
    add(u"Вырезать", QKeySequence::Cut, &TSheetEdits::Cut);
    add(u"Копировать", QKeySequence::Copy, &TSheetEdits::Copy);
    add(u"Вставить", QKeySequence::Paste, &TSheetEdits::Paste);
    add(u"Очистить", QKeySequence::Delete, &TSheetEdits::Clear);
    menu->addSeparator();
    add(u"Вставить строку", QKeySequence(Qt::CTRL | Qt::Key_Plus), &TSheetEdits::InsertRow);
    add(u"Удалить строку", QKeySequence(Qt::CTRL | Qt::Key_Minus), &TSheetEdits::DeleteRow);
    add(u"Вставить столбец", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), &TSheetEdits::InsertColumn);
    add(u"Удалить столбец", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Minus), &TSheetEdits::DeleteColumn);
    menu->addSeparator();
    add(u"Примечание…", QKeySequence(Qt::SHIFT | Qt::Key_F2), &TSheetEdits::EditComment);
    FGrid->OnEditModeChanged = [this](void*) { EditModeChanged(); };
    UpdateActions();
}

TSheetEdits::~TSheetEdits() = default;

void TSheetEdits::EditModeChanged()
{
    if (FGrid->GetEditing()) {
        const TXLCell* cell = FGrid->GetEditHost()->GetEditCell();
        if (!FEditing && cell && FGrid->GetEditView())
            FEditing = Take(FGrid->GetEditView()->GetSector(), cell->GetBounds());
    } else if (FEditing) {
        KeepIfChanged(std::move(FEditing));
    }
}

std::unique_ptr<TSheetEdits::TSnapshot> TSheetEdits::Take(TXLSector sector, const TRect& area) const
{
    auto snapshot = std::make_unique<TSnapshot>();
    snapshot->Sector = sector;
    snapshot->Area = area;
    TXLSectionRange range(FGrid->GetSheet()->GetSection(sector), area);
    snapshot->Cells = MakeRangeSheet(range);
    return snapshot;
}

void TSheetEdits::KeepIfChanged(std::unique_ptr<TSnapshot> before)
{
    if (!FGrid->GetSheet())
        return;
    const std::unique_ptr<TSnapshot> now = Take(before->Sector, before->Area);
    if (SaveSheetToBytes(*now->Cells) != SaveSheetToBytes(*before->Cells))
        FUndo = std::move(before);
    UpdateActions();
}

void TSheetEdits::Undo()
{
    // An open editor's text is the last edit: it goes in first, so that the
    // undo takes exactly it back.
    FGrid->EndEditing();
    TXLSheet* sheet = FGrid->GetSheet();
    if (!FUndo || !sheet)
        return;
    const std::unique_ptr<TSnapshot> step = std::move(FUndo);
    TXLSectionRange range(sheet->GetSection(step->Sector), step->Area);
    PasteSheet(range, *step->Cells, {piReadOnly});
    UpdateActions();
}

void TSheetEdits::Forget()
{
    FUndo.reset();
    FEditing.reset();
    UpdateActions();
}

TRect TSheetEdits::Block() const
{
    const TXLView* view = FGrid->GetEditView();
    if (!view)
        return {};
    const TRect selected = view->GetSelArea();
    if (!selected.IsEmpty())
        return selected;
    const TPoint current = view->GetCurrent();
    const TXLCell* cell = view->GetSection() ? view->GetSection()->GetPeekCell(current.X, current.Y) : nullptr;
    return cell ? cell->GetBounds() : PointRect(current);
}

bool TSheetEdits::InBody() const
{
    return FGrid->GetSheet() && FGrid->GetEditView() && FGrid->GetEditView()->GetSector() == sClient;
}

void TSheetEdits::Copy()
{
    FGrid->EndEditing();
    if (InBody())
        QGuiApplication::clipboard()->setMimeData(XLCopyMimeData(*FGrid->GetSheet(), Block()).release());
}

void TSheetEdits::Cut()
{
    if (!InBody())
        return;
    Copy();
    Clear();
}

void TSheetEdits::Paste()
{
    FGrid->EndEditing();
    if (!InBody())
        return;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return;
    TXLSectionRange range(FGrid->GetSheet()->GetSection(sClient), Block());
    try {
        PasteMimeData(range, *mime, {});
    } catch (const std::exception& e) {
        FReport(QString::fromUtf8(e.what()));
    }
    Forget();
}

void TSheetEdits::Clear()
{
    FGrid->EndEditing();
    TXLSheet* sheet = FGrid->GetSheet();
    if (!sheet || !FGrid->GetEditView())
        return;
    const TXLSector sector = FGrid->GetEditView()->GetSector();
    const TRect block = Block();
    std::unique_ptr<TSnapshot> before = Take(sector, block);
    TXLSectionRange(sheet->GetSection(sector), block).Clear({csContents});
    KeepIfChanged(std::move(before));
}

void TSheetEdits::ModifyLines(TXLAxis axis, bool insert)
{
    FGrid->EndEditing();
    if (!InBody())
        return;
    const TRect block = Block();
    const int pos = axis == sRows ? block.Top : block.Left;
    const int count = std::max(axis == sRows ? block.Height() : block.Width(), 1);
    TXLSheet* sheet = FGrid->GetSheet();
    if (axis == sRows)
        sheet->ModifyRows(pos, insert ? count : -count);
    else
        sheet->ModifyCols(pos, insert ? count : -count);
    Forget();
}

void TSheetEdits::InsertRow() { ModifyLines(sRows, true); }
void TSheetEdits::DeleteRow() { ModifyLines(sRows, false); }
void TSheetEdits::InsertColumn() { ModifyLines(sCols, true); }
void TSheetEdits::DeleteColumn() { ModifyLines(sCols, false); }

void TSheetEdits::UpdateActions()
{
    FUndoAction->setEnabled(FUndo != nullptr);
}

void TSheetEdits::EditComment()
{
    if (FGrid->GetSheet())
        FGrid->SetEditHint(true);
}
