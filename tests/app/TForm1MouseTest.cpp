// The main window's grid under the mouse: a column widened by dragging its
// border keeps its width through a restart, and a double click on a border
// fits the column to its content.
#include "support/QtWidgetsTestEnvironment.h"

#include "TCalcTree.h"
#include "TForm1.h"
#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "sheet/TXLSheet.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "support/WindowInput.h"

namespace {

void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

void ShowSheet(TForm1& form, int sheet)
{
    QTreeWidgetItemIterator it(form.Tree());
    for (int i = 0; *it; ++it, ++i)
        if (SheetOfNode(i) == sheet) {
            form.Tree()->setCurrentItem(*it);
            break;
        }
    Settle();
}

// The right border of a body column (in row 2, outside the merged
// heading) in the body view's coordinates.
QPoint ColumnBorder(TRAVazo* grid, int col)
{
    TRect r;
    EXPECT_TRUE(grid->CellToClient({col, 2}, r));
    QWidget* body = grid->GetView(sClient)->viewport();
    return body->mapFrom(grid, QPoint(r.Right - 1, (r.Top + r.Bottom) / 2));
}

TEST(TForm1Mouse, ADraggedColumnWidthIsSavedWithTheState)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Config"));
    int widened = 0;
    {
        TForm1 form{TUserStateStore(folder)};
        form.show();
        QApplication::setActiveWindow(&form);
        ShowSheet(form, 1);
        TRAVazo* grid = form.Grid();
        QWidget* body = grid->GetView(sClient)->viewport();
        const int before = form.XLSheet(1).GetIntCellSize(0, sCols);
        const QPoint border = ColumnBorder(grid, 0);
        Send(body, QEvent::MouseButtonPress, border, Qt::LeftButton, Qt::LeftButton);
        Send(body, QEvent::MouseMove, border + QPoint(10, 0), Qt::NoButton, Qt::LeftButton);
        Send(body, QEvent::MouseMove, border + QPoint(21, 0), Qt::NoButton, Qt::LeftButton);
        Send(body, QEvent::MouseButtonRelease, border + QPoint(21, 0), Qt::LeftButton, Qt::NoButton);
        Settle();
        widened = form.XLSheet(1).GetIntCellSize(0, sCols);
        // The border was one pixel inside the column's end.
        EXPECT_EQ(widened, before + 20);
        // The grid shows it: column 1 now starts further right.
        TRect r;
        ASSERT_TRUE(grid->CellToClient({1, 0}, r));
        EXPECT_EQ(r.Left - grid->GetView(sClient)->mapTo(grid, QPoint(0, 0)).x(), widened);
        EXPECT_TRUE(form.FormClose().isEmpty());
    }
    TForm1 again{TUserStateStore(folder)};
    EXPECT_EQ(again.XLSheet(1).GetIntCellSize(0, sCols), widened);
}

TEST(TForm1Mouse, ABorderDoubleClickFitsTheColumnToItsContent)
{
    QTemporaryDir dir;
    TForm1 form{TUserStateStore(dir.filePath(QStringLiteral("Config")))};
    form.show();
    QApplication::setActiveWindow(&form);
    ShowSheet(form, 1);
    TRAVazo* grid = form.Grid();
    QWidget* body = grid->GetView(sClient)->viewport();
    TXLSheet& sheet = form.XLSheet(1);
    sheet.SetCellSize(0, sCols, 40);
    Settle();
    const int fitted = sheet.CalcColWidth(0);
    ASSERT_NE(fitted, 40);
    const QPoint border = ColumnBorder(grid, 0);
    Send(body, QEvent::MouseButtonPress, border, Qt::LeftButton, Qt::LeftButton);
    Send(body, QEvent::MouseButtonRelease, border, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(sheet.GetIntCellSize(0, sCols), 40);
    Send(body, QEvent::MouseButtonDblClick, border, Qt::LeftButton, Qt::LeftButton);
    Send(body, QEvent::MouseButtonRelease, border, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(sheet.GetIntCellSize(0, sCols), fitted);
}

}  // namespace
