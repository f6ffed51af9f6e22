#include "TForm1.h"

#include "ShippedSheets.h"
#include "TCalcTree.h"
#include "TForm2.h"
#include "TResultActions.h"
#include "TreeImages.h"
#include "ProgramIcon.h"
#include "calc/CalcHandlers.h"
#include "calc/DecimalRepair.h"
#include "grid/TRAVazo.h"
#include "sheet/TXLSheet.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTreeWidget>

namespace {

// The tree's font and the window's: a small sans serif, 11 pixels high, so
// that the tree's captions fit its narrow column.
QFont SmallFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

} // namespace

TForm1::TForm1(TUserStateStore store, QWidget* parent)
    : QWidget(parent), FStore(std::move(store))
{
    setWindowTitle(QStringLiteral("Теплофизические свойства теплоносителей"));
    setFixedSize(ClientWidth, ClientHeight);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(SmallFont());
    setAutoFillBackground(true);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setGeometry(2, 2, 231, 247);
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setFont(SmallFont());
    BuildTree();

    RAVazo1 = new TRAVazo(this);
    RAVazo1->setGeometry(236, 2, 299, 219);
    // Columns may be widened with the mouse (a border double click fits
    // the column to its content); the widths are kept with the state files.
    RAVazo1->SetOptions(TXLOptions{oTitleCols, oTitleRows, oVertLines, oHorzLines, oColSizing, oDrawFocus, oTitle3D});
    RAVazo1->SetScrolls(TXLScrolls{sTracking});
    RAVazo1->SetBevelInner(bvLowered);
    RAVazo1->SetBevelOuter(bvRaised);
    RAVazo1->SetBorderStyle(bsSingle);
    RAVazo1->SetColor(clBtnFace);
    RAVazo1->OnEditModeChanged = [this](void*) { RAVazo1EditModeChanged(); };
    RAVazo1->OnExit = [this](void*) { RAVazo1Exit(); };
    RAVazo1->OnColDblClick = [this](void*, TPoint coord) { RAVazo1ColDblClick(coord); };
    FResults = new TResultActions(RAVazo1, [this] { return SheetOfNode(FCurrentNodeIndex); });

    SpeedButton1 = new QPushButton(QStringLiteral("О программе"), this);
    SpeedButton1->setGeometry(353, 223, 88, 27);
    SpeedButton1->setFlat(true);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    SpeedButton2 = new QPushButton(QStringLiteral("Выход"), this);
    SpeedButton2->setGeometry(446, 223, 87, 27);
    SpeedButton2->setFlat(true);
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm1::SpeedButton2Click);

    for (int n = 0; n < SheetCount; ++n) {
        FSheets[static_cast<size_t>(n)] = std::make_unique<TXLSheet>();
        FSheets[static_cast<size_t>(n)]->SetName(QStringLiteral("XLSheet%1").arg(n));
        LoadShippedSheet(n, *FSheets[static_cast<size_t>(n)]);
    }
    setWindowIcon(ProgramIcon());
    FormCreate();
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { TreeView1Change(current); });
}

TForm1::~TForm1()
{
    // The grid lets go of its sheet before the sheets go.
    RAVazo1->SetSheet(nullptr);
}

void TForm1::showEvent(QShowEvent* event)
{
    // Centred on the screen the first time it is shown.
    if (!FCentred) {
        FCentred = true;
        if (const QScreen* where = screen()) {
            const QRect frame = frameGeometry();
            move(where->availableGeometry().center() - frame.center() + pos());
        }
    }
    QWidget::showEvent(event);
}

void TForm1::BuildTree()
{
    const TTreeImages images = MakeTreeImages();
    std::array<QTreeWidgetItem*, 3> parents{};
    for (const TCalcNode& node : CalcNodes()) {
        auto* item = node.Level == 0 ? new QTreeWidgetItem(TreeView1)
                                     : new QTreeWidgetItem(parents[static_cast<size_t>(node.Level - 1)]);
        item->setText(0, QString::fromUtf16(node.Caption));
        const bool group = node.Kind == TNodeKind::Group;
        item->setIcon(0, images.Icon(group ? GroupNodeImage : CalcNodeImage,
                                     group ? GroupNodeImage : CalcNodeSelectedImage));
        parents[static_cast<size_t>(node.Level)] = item;
    }
}

void TForm1::FormCreate()
{
    TreeView1->expandAll();
    ShowSheet(0);
    for (int n = 1; n < SheetCount; ++n)
        FillPickLists(n, XLSheet(n));
    // Every file on its own: a missing or damaged one leaves only its own
    // sheet with the shipped content.
    FStore.EnsureFolder();
    for (int n = 1; n < SheetCount; ++n)
        if (FStore.Load(n, XLSheet(n)) == TStateLoad::Loaded)
            RefreshPickLists(n, XLSheet(n));
}

void TForm1::ShowSheet(int n)
{
    RAVazo1->SetSheet(&XLSheet(n));
}

void TForm1::TreeView1Change(QTreeWidgetItem* node)
{
    if (!node)
        return;
    QTreeWidgetItemIterator it(TreeView1);
    int index = 0;
    while (*it && *it != node) {
        ++it;
        ++index;
    }
    if (const int sheet = SheetOfNode(index)) {
        FCurrentNodeIndex = index;
        ShowSheet(sheet);
    } else {
        // A group node: back to the calculation chosen last, which runs this
        // handler again for that node; before the first, nothing is chosen.
        // A click selects the node it hit after this handler has run, so the
        // highlight is put right again once the click is done.
        HighlightShownNode();
        QMetaObject::invokeMethod(this, &TForm1::HighlightShownNode, Qt::QueuedConnection);
    }
    if (FCurrentNodeIndex != 0)
        Recalculate();
    else
        ShowSheet(0);
}

QTreeWidgetItem* TForm1::NodeAt(int index) const
{
    QTreeWidgetItemIterator it(TreeView1);
    for (int i = 0; i < index && *it; ++i)
        ++it;
    return *it;
}

void TForm1::HighlightShownNode()
{
    if (FCurrentNodeIndex == 0) {
        // The picture is shown: no node stands for it.
        TreeView1->clearSelection();
        return;
    }
    QTreeWidgetItem* node = NodeAt(FCurrentNodeIndex);
    if (TreeView1->currentItem() != node)
        TreeView1->setCurrentItem(node);
    else if (!node->isSelected()) {
        TreeView1->clearSelection();
        node->setSelected(true);
    }
}

void TForm1::Recalculate()
{
    if (const TCalcHandler handler = CalcHandlerOfSheet(SheetOfNode(FCurrentNodeIndex)))
        handler(XLSheet(SheetOfNode(FCurrentNodeIndex)));
}

void TForm1::RAVazo1EditModeChanged()
{
    Recalculate();
}

void TForm1::RAVazo1ColDblClick(TPoint coord)
{
    if (TXLSheet* sheet = RAVazo1->GetSheet())
        sheet->SetCellSize(coord.X, sCols, -1);
}

void TForm1::RAVazo1Exit()
{
    // A repaired input is a readable one now: its results follow at once
    // rather than at the next edit.
    if (const int sheet = SheetOfNode(FCurrentNodeIndex); sheet && RepairDecimalSeparators(XLSheet(sheet)))
        Recalculate();
}

QStringList TForm1::FormClose()
{
    QStringList failures;
    for (int n = 1; n < SheetCount; ++n) {
        try {
            FStore.Save(n, XLSheet(n));
        } catch (const std::exception& e) {
            // The message names the file and the cause.
            failures << QString::fromUtf8(e.what());
        }
    }
    return failures;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    const QStringList failures = FormClose();
    if (!failures.isEmpty())
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Не удалось сохранить введённые данные:\n") + failures.join(u'\n'));
    if (FAbout)
        FAbout->close();
    event->accept();
}

void TForm1::SpeedButton1Click()
{
    // One About window: shown again while it exists, made on first use.
    if (!FAbout)
        FAbout = new TForm2(this);
    FAbout->show();
    FAbout->raise();
    FAbout->activateWindow();
}

void TForm1::SpeedButton2Click()
{
    close();
}
