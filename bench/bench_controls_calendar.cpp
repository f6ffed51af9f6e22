// Opening the month calendar as the date editor does: make the calendar on
// a popup panel, set its date, pop the panel up under a control, paint the
// calendar once and close the popup. The reference opens Qt's own calendar
// widget in a window of the same kind and paints it once.
#include "BenchSummary.h"

#include "controls/TGSCalendar.h"
#include "controls/TGSPopupPanel.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QImage>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A shown form with a control to drop the calendar from.
struct TForm {
    TForm()
    {
        Form.setGeometry(100, 100, 400, 300);
        Anchor = new QWidget(&Form);
        Anchor->setGeometry(20, 20, 120, 22);
        Form.show();
        Settle();
    }
    QWidget Form;
    QWidget* Anchor = nullptr;
};

void BM_OpenCalendarOurs(benchmark::State& state)
{
    TForm form;
    for (auto _ : state) {
        auto panel = std::make_unique<TGSPopupPanel>(&form.Form);
        auto* calendar = new TGSCalendar(panel.get());
        calendar->SetDate(46000.5);
        calendar->Adjust(true);
        // The painter asks for the bold days: proof that a paint happened.
        int paints = 0;
        calendar->OnGetMonthInfo = [&](TGSCalendar*, int, int, uint32_t&) { ++paints; };
        QTimer::singleShot(0, panel.get(), [&] {
            calendar->repaint();
            panel->Close();
        });
        panel->Popup(form.Anchor);
        if (paints == 0)
            state.SkipWithError("the calendar was not painted");
        panel.reset();
        Settle();
    }
}
BENCHMARK(BM_OpenCalendarOurs)->Unit(benchmark::kMillisecond);

void BM_OpenCalendarReference(benchmark::State& state)
{
    TForm form;
    for (auto _ : state) {
        auto popup = std::make_unique<QWidget>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        auto* calendar = new QCalendarWidget(popup.get());
        calendar->setSelectedDate(QDate(2025, 12, 9));
        popup->resize(calendar->sizeHint());
        popup->move(form.Anchor->mapToGlobal(QPoint(0, form.Anchor->height())));
        popup->show();
        calendar->repaint();
        popup->hide();
        popup.reset();
        Settle();
    }
}
BENCHMARK(BM_OpenCalendarReference)->Unit(benchmark::kMillisecond);

const bool lines = XLBenchLine({"calendar_open_ms", "BM_OpenCalendarOurs", "BM_OpenCalendarReference"});

} // namespace
