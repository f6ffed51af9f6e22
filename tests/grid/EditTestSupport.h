// The fixture of the in-place editing tests: a grid with the focus whose
// edit-mode changes are recorded together with what the application would
// read at each (the text of cell (1, 1)), and helpers that type into
// whatever has the focus, key by key, as a user does.
#pragma once

#include "grid/GridTestSupport.h"
#include "grid/TXLEdit.h"
#include "grid/TXLPickEdit.h"
#include "sheet/TXLCell.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <vector>

class EditTestBase : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Grid->activateWindow();
        QApplication::setActiveWindow(Grid.get());
        Grid->setFocus();
        ProcessEvents();
        Grid->OnEditModeChanged = [this](void*) {
            Modes.push_back(Grid->GetEditMode());
            // What the application reads at each change: the saved value.
            Seen.push_back(Sheet->GetCell(1, 1)->GetText());
        };
        Grid->SetCurPos({1, 1});
    }

    TXLEdit& Host() const { return *static_cast<TXLEdit*>(Grid->GetEditHost()); }
    QLineEdit* Line() const
    {
        if (auto* pick = qobject_cast<TXLPickEdit*>(Host().GetEditor()))
            return pick->GetPickList()->GetEdit();
        return qobject_cast<QLineEdit*>(Host().GetWorkingControl());
    }
    // The open editor as the class expected, or null.
    template <class E>
    E* Editor() const
    {
        return qobject_cast<E*>(Host().GetEditor());
    }
    // Types text key by key into whatever has the focus at each key (so
    // that the keys after the first reach the editor, as when typing).
    void Keys(const QString& text)
    {
        for (const QChar c : text) {
            const int code = c.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
            QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &release);
        }
        ProcessEvents();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        ProcessEvents();
    }

    std::vector<TXLEditMode> Modes;
    std::vector<QString> Seen;
};

