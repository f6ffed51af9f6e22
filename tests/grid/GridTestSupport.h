// Fixtures of the grid tests: a sheet with title bands and a grid showing
// it on the offscreen platform, a recorder of what a view repaints, and
// pixel helpers for rendered images.
#pragma once

#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "sheet/TXLSheet.h"
#include "support/QtWidgetsTestEnvironment.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

#include <gtest/gtest.h>

#include <memory>

// Runs the event loop until nothing is pending (layout, expose, paint).
inline void ProcessEvents()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Collects the regions a widget is asked to paint.
class TPaintRecorder : public QObject {
public:
    explicit TPaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion Painted;
    int Paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(event)->region();
            ++Paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A sheet of cols x rows body cells with one title column and one title
// row, columns 60 and rows 20 pixels, shown in a 400 x 300 grid without a
// frame, so that body cell (c, r) starts at grid pixel (60 + 60c, 20 + 20r).
class GridTest : public testing::Test {
protected:
    static constexpr int ColWidth = 60;
    static constexpr int RowHeight = 20;

    void SetUp() override
    {
        Sheet = std::make_unique<TXLSheet>();
        Sheet->SetColCount(6);
        Sheet->SetRowCount(20);
        Sheet->SetColDefWidth(ColWidth);
        Sheet->SetRowDefHeight(RowHeight);
        Grid = std::make_unique<TRAVazo>();
        Grid->SetBevelOuter(bvNone);
        Grid->resize(400, 300);
        Grid->SetSheet(Sheet.get());
        Grid->show();
        ProcessEvents();
    }
    void TearDown() override
    {
        Grid.reset();
        Sheet.reset();
    }

    TXLView* View(TXLSector sector) const { return Grid->GetView(sector); }
    // The rendered grid.
    QImage Render()
    {
        ProcessEvents();
        return Grid->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Repaints of one view from now on.
    std::unique_ptr<TPaintRecorder> Record(TXLSector sector)
    {
        ProcessEvents();
        return std::make_unique<TPaintRecorder>(View(sector)->viewport());
    }

    std::unique_ptr<TXLSheet> Sheet;
    std::unique_ptr<TRAVazo> Grid;
};

inline QColor Pixel(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// How many pixels of a rectangle are much darker than the background.
inline int InkCount(const QImage& image, const QRect& rect, const QColor& background)
{
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) + 80 < qGray(background.rgb()))
                ++ink;
    return ink;
}
