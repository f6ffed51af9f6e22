// Start-up measurement shared by the window benchmarks: from making a
// window to the first paint of one of its widgets (the window itself, or
// the body of its grid). The application object exists already; the
// window is destroyed outside the timed part.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

// Notes the first paint of the widget it watches.
class TFirstPaint : public QObject {
public:
    explicit TFirstPaint(QWidget* widget) { widget->installEventFilter(this); }
    bool Painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// A window just made, and the widget whose first paint ends the timing.
struct TShownWindow {
    std::unique_ptr<QWidget> Window;
    QWidget* Watched = nullptr;
};

// make() returns a TShownWindow.
template <class Make>
void MeasureStartUp(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        TShownWindow shown = make();
        TFirstPaint watch(shown.Watched);
        shown.Window->show();
        for (int i = 0; i < 100 && !watch.Painted; ++i)
            QCoreApplication::processEvents();
        state.PauseTiming();
        if (!watch.Painted)
            state.SkipWithError("the window was never painted");
        shown.Window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
