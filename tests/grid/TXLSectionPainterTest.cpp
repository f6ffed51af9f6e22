// The grid rendered into images: colours, lines, borders, merged areas,
// text, marks, the selection, the background picture and page breaks.
#include "grid/TXLSectionPainter.h"

#include "calc/SheetContent.h"
#include "grid/GridTestSupport.h"
#include "grid/XLPaletteColor.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLPicture.h"

#include <QDir>

namespace {

constexpr TColor HeaderColor = 0xFF9792;

// Body cell (c, r) of the fixture in grid pixels.
QRect GridCell(int c, int r)
{
    return QRect(60 + c * 60, 20 + r * 20, 60, 20);
}

QColor Rgb(TColor color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// A small sheet: a yellow cell, a merged header with text, a black box
// and a colour, and a protected cell.
class PaintTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Grid->SetScrolls({sTracking});
        Sheet->GetCell(0, 2)->SetColor(clYellow);
        TXLCell* header = Sheet->GetCell(1, 0);
        header->SetBounds(Rect(1, 0, 4, 1));
        header->SetString(QStringLiteral("Header"));
        header->SetColor(HeaderColor);
        header->SetLayout({haCenter, vaCenter, 0, wmClip});
        header->SetBorders({sLeft, sTop, sRight, sBottom}, {slSingle, clBlack});
        Sheet->GetCell(2, 3)->SetStyles({csProtect});
        // Without the selection the focus gives the current cell.
        Grid->SelectAll(false);
    }

    QColor Window() const { return Role(QPalette::Base); }
    QColor Face() const { return Role(QPalette::Button); }
    // A palette colour as 8-bit channels, as the image holds it.
    QColor Role(QPalette::ColorRole role) const { return QColor(Grid->palette().color(role).rgb()); }
};

TEST_F(PaintTest, CellColoursCoverTheirGridLines)
{
    const QImage image = Render();
    const QRect yellow = GridCell(0, 2);
    EXPECT_EQ(Pixel(image, yellow.center().x(), yellow.center().y()), Rgb(clYellow));
    EXPECT_EQ(Pixel(image, yellow.center().x(), yellow.top() - 1), Rgb(clYellow));
    EXPECT_EQ(Pixel(image, yellow.right(), yellow.center().y()), Rgb(clYellow));
    EXPECT_EQ(Pixel(image, GridCell(1, 2).center().x(), GridCell(1, 2).center().y()), Window());
    EXPECT_EQ(Pixel(image, GridCell(1, 0).left() + 3, GridCell(1, 0).top() + 3), Rgb(HeaderColor));
}

TEST_F(PaintTest, GridLinesLieOnThePixelBeforeEachLineStart)
{
    Sheet->SetColCount(5);
    Sheet->GetCell(0, 10)->SetBounds(Rect(0, 10, 3, 11));
    const QImage image = Render();
    // Body lines are in the button-face colour of the base style.
    EXPECT_EQ(Pixel(image, GridCell(1, 5).left() - 1, GridCell(1, 5).center().y()), Face());
    EXPECT_EQ(Pixel(image, GridCell(1, 5).center().x(), GridCell(1, 5).top() - 1), Face());
    EXPECT_EQ(Pixel(image, GridCell(1, 5).left() + 1, GridCell(1, 5).top() + 1), Window());
    // The far edge of the last column has its line too.
    EXPECT_EQ(Pixel(image, GridCell(4, 5).right(), GridCell(4, 5).center().y()), Face());
    EXPECT_EQ(Pixel(image, GridCell(4, 5).right() + 1, GridCell(4, 5).center().y()), Window());
    // No line runs through a merged area, but along its far edges.
    EXPECT_EQ(Pixel(image, GridCell(1, 10).left() - 1, GridCell(1, 10).center().y()), Window());
    EXPECT_EQ(Pixel(image, GridCell(2, 10).right(), GridCell(2, 10).center().y()), Face());
    EXPECT_EQ(Pixel(image, GridCell(1, 10).center().x(), GridCell(1, 10).bottom()), Face());
}

TEST_F(PaintTest, BordersAreDrawnOnTheLinePixels)
{
    const QImage image = Render();
    const QRect header = GridCell(1, 0).united(GridCell(3, 0));
    const QColor black(Qt::black);
    EXPECT_EQ(Pixel(image, header.center().x() + 40, header.bottom()), black);
    EXPECT_EQ(Pixel(image, header.left() - 1, header.center().y()), black);
    EXPECT_EQ(Pixel(image, header.right(), header.center().y()), black);
    EXPECT_EQ(Pixel(image, header.center().x() + 40, header.bottom() + 1), Window());
}

TEST_F(PaintTest, MergedHeaderShowsItsTextOnce)
{
    const QImage image = Render();
    const QRect header = GridCell(1, 0).united(GridCell(3, 0)).adjusted(1, 1, -2, -2);
    EXPECT_GT(InkCount(image, header, Rgb(HeaderColor)), 20);
    // Centred: the text lies in the middle third of the area.
    const int third = header.width() / 3;
    EXPECT_EQ(InkCount(image, QRect(header.left(), header.top(), third, header.height()), Rgb(HeaderColor)), 0);
    EXPECT_GT(InkCount(image, QRect(header.left() + third, header.top(), third, header.height()), Rgb(HeaderColor)),
              20);
}

TEST_F(PaintTest, TitleCellsHaveRaisedFrames)
{
    const QImage image = Render();
    EXPECT_EQ(Pixel(image, 60, 0), Role(QPalette::Light));
    EXPECT_EQ(Pixel(image, 119, 19), Role(QPalette::Dark));
    EXPECT_EQ(Pixel(image, 90, 10), Face());
}

TEST_F(PaintTest, SelectedColumnsRaiseTheirTitlesDeeper)
{
    if (Role(QPalette::Dark) == Role(QPalette::Shadow))
        GTEST_SKIP() << "the palette draws both edges alike";
    View(sClient)->Select(Rect(2, 4, 4, 6), View(sClient)->GetCurrent());
    const QImage image = Render();
    EXPECT_EQ(Pixel(image, 239, 19), Role(QPalette::Shadow));
    EXPECT_EQ(Pixel(image, 119, 19), Role(QPalette::Dark));
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oTitle3D});
    EXPECT_EQ(Pixel(Render(), 239, 19), Role(QPalette::Dark));
}

TEST_F(PaintTest, GridLinesNeedMoreThanQuarterScale)
{
    // At 25 % and 26 % the cells are 15 x 5 pixels alike.
    const QPoint onLine(15 + 15 - 1, 5 + 3 * 5 + 2);
    Grid->SetScale(25);
    EXPECT_EQ(Pixel(Render(), onLine.x(), onLine.y()), Window());
    Grid->SetScale(26);
    EXPECT_EQ(Pixel(Render(), onLine.x(), onLine.y()), Face());
}

TEST_F(PaintTest, LinesInTheSectionColourAreNotDrawn)
{
    Sheet->GetBaseClientStyle()->SetLinesColor(clWindow);
    const QImage image = Render();
    EXPECT_EQ(Pixel(image, GridCell(1, 5).left() - 1, GridCell(1, 5).center().y()), Window());
    Sheet->GetBaseClientStyle()->SetColor(clAqua);
    Sheet->GetBaseClientStyle()->SetLinesColor(clAqua);
    const QImage plain = Render();
    EXPECT_EQ(Pixel(plain, GridCell(1, 5).left() - 1, GridCell(1, 5).center().y()), Rgb(clAqua));
    EXPECT_EQ(Pixel(plain, GridCell(1, 5).center().x(), GridCell(1, 5).center().y()), Rgb(clAqua));
}

TEST_F(PaintTest, SelectionHighlightsAllButTheCurrentCell)
{
    Grid->SetCurPos({1, 5});
    View(sClient)->Select(Rect(0, 5, 3, 7), {1, 5});
    QImage image = Render();
    const QRect other = GridCell(0, 6);
    const QColor highlighted = Pixel(image, other.center().x(), other.center().y());
    EXPECT_NE(highlighted, Window());
    EXPECT_EQ(Pixel(image, GridCell(1, 5).center().x(), GridCell(1, 5).center().y()), Window());
    EXPECT_EQ(Pixel(image, GridCell(4, 6).center().x(), GridCell(4, 6).center().y()), Window());
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oDrawFocus});
    View(sClient)->Invalidate();
    image = Render();
    EXPECT_EQ(Pixel(image, GridCell(1, 5).center().x(), GridCell(1, 5).center().y()), highlighted);
}

TEST_F(PaintTest, MarksErrorsAndDiagonals)
{
    Grid->SetShowHint(true);
    Sheet->GetCell(3, 5)->SetHint(QStringLiteral("note"));
    TXLCell* error = Sheet->GetCell(0, 8);
    error->SetString(QStringLiteral("WWWW"));
    error->IncludeState(csError);
    Sheet->GetCell(4, 9)->SetBorder(sBias1, {slSingle, clBlue});
    const QImage image = Render();

    const QRect noted = GridCell(3, 5);
    EXPECT_EQ(Pixel(image, noted.right() - 1, noted.top() + 1), QColor(Qt::red));
    EXPECT_EQ(Pixel(image, noted.right() - 4, noted.top() + 4), Window());

    int red = 0;
    const QRect cell = GridCell(0, 8);
    for (int y = cell.top(); y < cell.bottom(); ++y)
        for (int x = cell.left(); x < cell.right(); ++x)
            if (QColor c = Pixel(image, x, y); c.red() > 150 && c.green() < 100 && c.blue() < 100)
                ++red;
    EXPECT_GT(red, 10);

    const QRect diagonal = GridCell(4, 9);
    EXPECT_EQ(Pixel(image, diagonal.left(), diagonal.top()), QColor(Qt::blue));
    EXPECT_EQ(Pixel(image, diagonal.right(), diagonal.bottom()), QColor(Qt::blue));
    EXPECT_EQ(Pixel(image, diagonal.right() - 5, diagonal.top() + 2), Window());
}

// Cells drawn one after the other share the font and pen the canvas holds
// only while they look alike: each text keeps its own colour.
TEST_F(PaintTest, NeighbouringTextsKeepTheirOwnColours)
{
    const TColor colors[] = {clRed, clRed, clBlue, clWindowText, clRed};
    for (int c = 0; c < 5; ++c) {
        TXLCell* cell = Sheet->GetCell(c, 6);
        cell->SetString(QStringLiteral("WWWW"));
        cell->GetFont()->SetColor(colors[c]);
        if (c == 3)
            cell->GetFont()->SetStyle({fsBold});
    }
    const QImage image = Render();
    for (int c = 0; c < 5; ++c) {
        SCOPED_TRACE(c);
        int red = 0, blue = 0, black = 0;
        const QRect cell = GridCell(c, 6).adjusted(1, 1, -2, -2);
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const QColor p = Pixel(image, x, y);
                red += p.red() > 150 && p.green() < 100 && p.blue() < 100;
                blue += p.blue() > 150 && p.red() < 100 && p.green() < 100;
                black += p.red() < 60 && p.green() < 60 && p.blue() < 60;
            }
        EXPECT_EQ(red > 10, colors[c] == clRed);
        EXPECT_EQ(blue > 10, colors[c] == clBlue);
        EXPECT_EQ(black > 10, colors[c] == clWindowText);
    }
}

TEST_F(PaintTest, DesignModeMarksProtectedCells)
{
    const QRect cell = GridCell(2, 3);
    EXPECT_EQ(Pixel(Render(), cell.left() + 1, cell.top() + 1), Window());
    Grid->SetDesignMode(true);
    const QImage image = Render();
    const QColor w = Window();
    EXPECT_EQ(Pixel(image, cell.left() + 1, cell.top() + 1), QColor(255 - w.red(), 255 - w.green(), 255 - w.blue()));
    EXPECT_EQ(Pixel(image, cell.left() + 4, cell.top() + 4), w);
}

TEST_F(PaintTest, CellsBeingEditedOrHiddenShowNoText)
{
    TXLCell* cell = Sheet->GetCell(1, 7);
    cell->SetString(QStringLiteral("WWWW"));
    const QRect rect = GridCell(1, 7).adjusted(1, 1, -2, -2);
    EXPECT_GT(InkCount(Render(), rect, Window()), 10);
    cell->IncludeState(csEditing);
    View(sClient)->Invalidate();
    EXPECT_EQ(InkCount(Render(), rect, Window()), 0);
    cell->ExcludeState(csEditing);
    cell->SetStyles({csHidden});
    EXPECT_EQ(InkCount(Render(), rect, Window()), 0);
}

TEST_F(PaintTest, BackgroundPictureTilesFromTheContentOrigin)
{
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(Qt::red);
    tile.setPixel(3, 3, qRgb(0, 0, 255));
    TXLPicture picture;
    picture.SetImage(tile);
    Sheet->SetColCount(30);
    Sheet->SetBackground(picture);
    QImage image = Render();
    // Where no cell is coloured the picture shows.
    EXPECT_EQ(Pixel(image, 60 + 3, 20 + 3), QColor(Qt::blue));
    EXPECT_EQ(Pixel(image, 60 + 35, 20 + 3), QColor(Qt::blue));
    EXPECT_EQ(Pixel(image, 60 + 5, 20 + 3), QColor(Qt::red));
    EXPECT_EQ(Pixel(image, GridCell(0, 2).center().x(), GridCell(0, 2).center().y()), Rgb(clYellow));
    View(sClient)->SetOffsetXY(5, 0);
    image = Render();
    EXPECT_EQ(Pixel(image, 60 + 30, 20 + 3), QColor(Qt::blue));
}

// A grid that knows a print layout: pages end after columns 2 and 4 and
// rows 5 and 10.
class TPagedGrid : public TRAVazo {
public:
    bool GetPageBreaks(std::vector<int>& colBreaks, std::vector<int>& rowBreaks) const override
    {
        colBreaks = {2, 4};
        rowBreaks = {5, 10};
        return true;
    }
};

TEST_F(PaintTest, PageBreakLinesFollowThePrintLayout)
{
    TPagedGrid paged;
    paged.SetBevelOuter(bvNone);
    paged.SetScrolls({sTracking});
    paged.resize(400, 300);
    paged.SetSheet(Sheet.get());
    paged.SetOptions(paged.GetOptions() + TXLOptions{oPageBreak});
    paged.show();
    ProcessEvents();
    const QImage image = paged.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor blue(Qt::blue);
    // The last page's edges, 3 pixels wide.
    EXPECT_EQ(Pixel(image, 60 + 4 * 60 - 1, 20 + 50), blue);
    EXPECT_EQ(Pixel(image, 60 + 4 * 60, 20 + 50), blue);
    EXPECT_EQ(Pixel(image, 60 + 100, 20 + 10 * 20 - 1), blue);
    // Inner page ends, one pixel.
    EXPECT_EQ(Pixel(image, 60 + 2 * 60 - 1, 20 + 150), blue);
    EXPECT_NE(Pixel(image, 60 + 2 * 60, 20 + 150), blue);
    EXPECT_EQ(Pixel(image, 60 + 50, 20 + 5 * 20 - 1), blue);
    paged.SetOptions(paged.GetOptions() - TXLOptions{oPageBreak});
    ProcessEvents();
    EXPECT_NE(Pixel(paged.grab().toImage().convertToFormat(QImage::Format_RGB32), 60 + 2 * 60 - 1, 20 + 150), blue);
}

TEST_F(PaintTest, CalloutDrawsALineToTheAnchorAndAShadow)
{
    Grid->SetCallout(View(sClient), QRect(100, 100, 60, 30), QPoint(50, 50));
    const QImage image = Render();
    EXPECT_EQ(Pixel(image, 60 + 75, 20 + 75), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 60 + 161, 20 + 131), QColor(Qt::black));
    Grid->SetCallout(nullptr, {}, {});
    EXPECT_NE(Pixel(Render(), 60 + 75, 20 + 75), QColor(Qt::black));
}

TEST(XLPaletteColor, SystemColoursFollowThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(4, 5, 6));
    palette.setColor(QPalette::Text, QColor(7, 8, 9));
    EXPECT_EQ(XLColorToQColor(clWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(XLColorToQColor(clBtnFace, palette), QColor(4, 5, 6));
    EXPECT_EQ(XLColorToQColor(clWindowText, palette), QColor(7, 8, 9));
    EXPECT_EQ(XLColorToQColor(0x0080FF, palette), QColor(255, 128, 0));
    EXPECT_FALSE(XLColorToQColor(clNone, palette).isValid());
    EXPECT_FALSE(XLColorToQColor(clSystemColor | 200, palette).isValid());
    EXPECT_EQ(XLResolveColor(clBtnFace, palette), 0x060504u);
    EXPECT_EQ(XLResolveColor(clNone, palette), clNone);
}

TEST(TXLSectionPainter, PrepareFontScalesPointsAndTakesTheErrorColour)
{
    TXLSheet sheet;
    TXLSectionPainter painter(*sheet.GetSection(sClient));
    TXLFont font;
    font.SetSize(8);
    painter.PrepareFont(font, 100, false, true);
    EXPECT_EQ(font.GetSize(), 8);
    EXPECT_EQ(font.GetColor(), clWindowText);
    painter.PrepareFont(font, 150, true, true);
    EXPECT_EQ(font.GetSize(), 12);
    EXPECT_EQ(font.GetColor(), clRed);
    painter.PrepareFont(font, 85, false, true);
    EXPECT_EQ(font.GetSize(), 10);
    painter.PrepareFont(font, 50, false, false);
    EXPECT_EQ(font.GetSize(), 10);
}

TEST(SheetRendering, CalculationSheetLooksLikeTheShippedTable)
{
    TXLSheet sheet;
    BuildSheetContent(1, sheet);
    FillPickLists(1, sheet);
    // As the program's window holds it.
    TRAVazo grid;
    grid.resize(299, 219);
    grid.SetOptions({oTitleCols, oTitleRows, oVertLines, oHorzLines, oDrawFocus, oTitle3D});
    grid.SetScrolls({sTracking});
    grid.SetBevelInner(bvLowered);
    grid.SetBevelOuter(bvRaised);
    grid.SetBorderStyle(bsSingle);
    grid.SetColor(clBtnFace);
    grid.SetSheet(&sheet);
    grid.show();
    // The pressure input is the current cell.
    grid.SetCurPos({1, 1});
    ProcessEvents();
    const QImage image = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Kept for a look by eye: where CALORIX_GRID_IMAGE says, else in the
    // temporary folder.
    const QString path = qEnvironmentVariableIsEmpty("CALORIX_GRID_IMAGE")
        ? QDir::temp().filePath(QStringLiteral("grid-sheet1.png"))
        : qEnvironmentVariable("CALORIX_GRID_IMAGE");
    EXPECT_TRUE(image.save(path));

    TRect header;
    ASSERT_TRUE(grid.CellToClient({0, 0}, header));
    EXPECT_EQ(Pixel(image, header.Left + 2, header.Top + 2), Rgb(HeaderColor));
    TRect merged;
    ASSERT_TRUE(grid.CellToClient({2, 0}, merged));
    const QRect headerRect(header.Left, header.Top, merged.Right - header.Left - 1, header.Height() - 1);
    EXPECT_GT(InkCount(image, headerRect, Rgb(HeaderColor)), 20);
    TRect label;
    ASSERT_TRUE(grid.CellToClient({0, 1}, label));
    EXPECT_GT(InkCount(image, QRect(label.Left, label.Top, label.Width() - 1, label.Height() - 1),
                       QColor(grid.palette().color(QPalette::Base).rgb())),
              10);
    // The black line above row 1.
    EXPECT_EQ(Pixel(image, label.Left + 5, label.Top - 1), QColor(Qt::black));
}

}  // namespace
