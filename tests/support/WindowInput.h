// Input for tests that drive whole windows offscreen: let posted work run,
// type text and press keys on the widget that has the focus. Text goes as
// key events carrying their characters (Cyrillic included), which
// QTest::keyClicks refuses beyond Latin-1.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

// Runs posted events (deferred deletes, queued commits) a few rounds.
inline void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

inline void TypeIntoFocus(const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    Settle();
}

inline void PressOnFocus(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, mods);
    Settle();
}
