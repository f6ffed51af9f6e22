#include "controls/TGSPopup.h"
#include "controls/TGSPopupPanel.h"

#include "support/QtWidgetsTestEnvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A form with a control to drop from, a button behind, an edit that has
// the focus, and a popup panel holding an edit and an OK button that
// accepts the popup.
class PopupPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<QWidget>();
        Form->setGeometry(100, 100, 400, 300);
        Anchor = new QPushButton("anchor", Form.get());
        Anchor->setGeometry(20, 20, 120, 24);
        Behind = new QPushButton("behind", Form.get());
        Behind->setGeometry(20, 200, 120, 24);
        QObject::connect(Behind, &QPushButton::clicked, [this] { ++BehindClicks; });
        Typing = new QLineEdit(Form.get());
        Typing->setGeometry(200, 20, 120, 24);

        Panel = new TGSPopupPanel(Form.get());
        Field = new QLineEdit(Panel);
        Field->setGeometry(4, 4, 100, 22);
        Ok = new QPushButton("OK", Panel);
        Ok->setGeometry(4, 30, 60, 22);
        QObject::connect(Ok, &QPushButton::clicked, [this] { Panel->Close(); });
        Panel->OnPopup = [this](TGSPopupPanel*) { ++PopupEvents; };
        Panel->OnClose = [this](TGSPopupPanel*) {
            ++CloseEvents;
            PanelHomeAtClose = Panel->parentWidget() == Form.get();
        };

        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Typing->setFocus();
        ASSERT_TRUE(Typing->hasFocus());
    }

    void TearDown() override { Form.reset(); }

    // Pops the panel up under control; `during` runs inside the modal loop.
    bool PopupWhile(QWidget* control, std::function<void()> during)
    {
        bool ran = false;
        QTimer::singleShot(0, Form.get(), [&] {
            ran = true;
            during();
        });
        const bool accepted = Panel->Popup(control);
        EXPECT_TRUE(ran);
        return accepted;
    }

    std::unique_ptr<QWidget> Form;
    QPushButton* Anchor = nullptr;
    QPushButton* Behind = nullptr;
    QLineEdit* Typing = nullptr;
    TGSPopupPanel* Panel = nullptr;
    QLineEdit* Field = nullptr;
    QPushButton* Ok = nullptr;
    int BehindClicks = 0;
    int PopupEvents = 0;
    int CloseEvents = 0;
    bool PanelHomeAtClose = false;
};

TEST_F(PopupPanelTest, ShowsTheContentUnderTheControlAndTakesItBack)
{
    QRect popupRect;
    bool active = false;
    bool fieldInPopup = false;
    const bool accepted = PopupWhile(Anchor, [&] {
        active = Panel->GetActive();
        popupRect = Panel->GetPopup()->geometry();
        fieldInPopup = Panel->GetPopup()->isVisible() && Field->isVisible() &&
                       Panel->GetPopup()->Contains(Field);
        Panel->Close();
    });
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(active);
    EXPECT_TRUE(fieldInPopup);
    // Right-justified by default, just below the anchor.
    const QRect anchor(Anchor->mapToGlobal(QPoint(0, 0)), Anchor->size());
    EXPECT_EQ(popupRect.x() + popupRect.width(), anchor.x() + anchor.width());
    EXPECT_EQ(popupRect.y(), anchor.y() + anchor.height());
    EXPECT_EQ(popupRect.size(), Panel->size());

    EXPECT_FALSE(Panel->GetActive());
    EXPECT_EQ(Panel->GetPopup(), nullptr);
    EXPECT_EQ(Panel->GetPopupControl(), nullptr);
    EXPECT_EQ(Panel->parentWidget(), Form.get());
    EXPECT_TRUE(Panel->isHidden());
    EXPECT_EQ(Field->parentWidget(), Panel);
    EXPECT_EQ(PopupEvents, 1);
    EXPECT_EQ(CloseEvents, 1);
    EXPECT_TRUE(PanelHomeAtClose);
    EXPECT_TRUE(Typing->hasFocus());
}

TEST_F(PopupPanelTest, AutoSizeFitsTheChildrenAndTheMargin)
{
    Panel->SetBorderWidth(3);
    QSize shown;
    PopupWhile(Anchor, [&] {
        shown = Panel->GetPopup()->size();
        Panel->Close();
    });
    // The OK button reaches x 64 and y 52; then the margin and the frame.
    EXPECT_EQ(shown, QSize(104 + 3 + 1, 52 + 3 + 1));

    Panel->SetAutoSize(false);
    Panel->resize(200, 150);
    PopupWhile(Anchor, [&] {
        shown = Panel->GetPopup()->size();
        Panel->Close();
    });
    EXPECT_EQ(shown, QSize(200, 150));
}

TEST_F(PopupPanelTest, BorderWidthIsNeverNegativeAndShrinksTheAlignRect)
{
    Panel->SetAutoSize(false);
    Panel->resize(100, 80);
    Panel->SetBorderWidth(-5);
    EXPECT_EQ(Panel->GetBorderWidth(), 0);
    EXPECT_EQ(Panel->AlignRect(), QRect(1, 1, 98, 78));  // inside the single line
    Panel->SetBorderWidth(4);
    EXPECT_EQ(Panel->AlignRect(), QRect(5, 5, 90, 70));
    Panel->SetBorderStyle(bsNone);
    EXPECT_EQ(Panel->AlignRect(), QRect(4, 4, 92, 72));
}

TEST_F(PopupPanelTest, EscapeDismissesAndKeysGoToThePopup)
{
    QString typedIntoField;
    const bool accepted = PopupWhile(Anchor, [&] {
        // The form keeps the focus; its keys are the popup's while open.
        QTest::keyClicks(QApplication::focusWidget(), "abc");
        typedIntoField = Field->text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(typedIntoField, "abc");
    EXPECT_EQ(Typing->text(), "");
    EXPECT_EQ(CloseEvents, 1);
    EXPECT_TRUE(Typing->hasFocus());
}

TEST_F(PopupPanelTest, CloseFromAChildsEventAccepts)
{
    EXPECT_TRUE(PopupWhile(Anchor, [&] { QTest::mouseClick(Ok, Qt::LeftButton); }));
    // The button is back in the panel and still works there.
    EXPECT_EQ(Ok->parentWidget(), Panel);
}

TEST_F(PopupPanelTest, ClickInsideKeepsThePopupOpen)
{
    bool stillActive = false;
    const bool accepted = PopupWhile(Anchor, [&] {
        QTest::mouseClick(Field, Qt::LeftButton);
        stillActive = Panel->GetActive() && Panel->GetPopup()->GetRunning();
        Panel->Close();
    });
    EXPECT_TRUE(stillActive);
    EXPECT_TRUE(accepted);
}

TEST_F(PopupPanelTest, ClickOutsideClosesAndIsSwallowed)
{
    // As the window system delivers it: to the form's window, at the
    // button's place.
    const QPoint onBehind = Behind->mapTo(Form.get(), Behind->rect().center());
    const bool accepted =
        PopupWhile(Anchor, [&] { QTest::mouseClick(Form->windowHandle(), Qt::LeftButton, {}, onBehind); });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(BehindClicks, 0);
    EXPECT_TRUE(Typing->hasFocus());
    // Sent straight to the widget under the mouse, too.
    EXPECT_FALSE(PopupWhile(Anchor, [&] { QTest::mouseClick(Behind, Qt::LeftButton); }));
    EXPECT_EQ(BehindClicks, 0);
    // With the popup gone the same click reaches the button again.
    QTest::mouseClick(Behind, Qt::LeftButton);
    EXPECT_EQ(BehindClicks, 1);
}

TEST_F(PopupPanelTest, DoubleClickOutsideClosesToo)
{
    const QPoint at = Behind->rect().center();
    EXPECT_FALSE(PopupWhile(Anchor, [&] {
        QMouseEvent twice(QEvent::MouseButtonDblClick, at, Behind->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Behind, &twice);
    }));
    EXPECT_FALSE(Behind->isDown());
    EXPECT_EQ(BehindClicks, 0);
}

TEST_F(PopupPanelTest, SwitchingToAnotherApplicationCloses)
{
    const bool accepted = PopupWhile(Anchor, [&] { QApplication::setActiveWindow(nullptr); });
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(Panel->GetActive());
    EXPECT_EQ(CloseEvents, 1);
}

TEST_F(PopupPanelTest, ApplicationStateChangeCloses)
{
    const bool accepted = PopupWhile(Anchor, [&] {
        QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(qApp, &inactive);
    });
    EXPECT_FALSE(accepted);
}

TEST_F(PopupPanelTest, ASecondPopupWhileOneIsOpenIsRefused)
{
    bool second = true;
    int popupsSeen = 0;
    const bool accepted = PopupWhile(Anchor, [&] {
        popupsSeen = PopupEvents;
        second = Panel->Popup(Behind);
        Panel->Close();
    });
    EXPECT_FALSE(second);
    EXPECT_EQ(popupsSeen, 1);
    EXPECT_EQ(PopupEvents, 1);
    EXPECT_TRUE(accepted);
}

TEST_F(PopupPanelTest, RefusesWithoutAControlAndCloseWithoutPopupDoesNothing)
{
    Panel->Close();
    EXPECT_FALSE(Panel->Popup(nullptr));
    EXPECT_EQ(PopupEvents, 0);
    EXPECT_FALSE(Panel->GetActive());
}

TEST_F(PopupPanelTest, NearTheScreenEdgesItEndsAtTheTargetAndOpensAbove)
{
    const QRect area = Form->screen()->availableGeometry();
    Panel->SetAlignment(taLeftJustify);
    Form->move(area.x() + area.width() - Form->width(), area.y() + area.height() - Form->height());
    // The anchor sits in the form's bottom-right corner, so the form's edge
    // is the screen's.
    Anchor->setGeometry(Form->width() - 30, Form->height() - 24, 30, 24);
    QRect popupRect;
    PopupWhile(Anchor, [&] {
        popupRect = Panel->GetPopup()->geometry();
        Panel->Close();
    });
    const QRect anchor(Anchor->mapToGlobal(QPoint(0, 0)), Anchor->size());
    EXPECT_EQ(popupRect.x() + popupRect.width(), anchor.x() + anchor.width());
    EXPECT_EQ(popupRect.y() + popupRect.height(), anchor.y());
    EXPECT_GE(popupRect.x(), area.x());
    EXPECT_GE(popupRect.y(), area.y());
}

TEST_F(PopupPanelTest, PanelDestroyedFromItsOwnLoopEndsThePopup)
{
    QObject::connect(Ok, &QPushButton::clicked, [this] { delete Panel; });
    Panel->OnClose = nullptr;
    const bool accepted = PopupWhile(Anchor, [&] { QTest::mouseClick(Ok, Qt::LeftButton); });
    EXPECT_FALSE(accepted);
    // Nothing of the popup is left on screen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TGSPopup*>(top), nullptr);
}

TEST_F(PopupPanelTest, PopupAgainAfterClosing)
{
    EXPECT_FALSE(PopupWhile(Anchor, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }));
    EXPECT_TRUE(PopupWhile(Anchor, [&] { QTest::mouseClick(Ok, Qt::LeftButton); }));
    EXPECT_EQ(PopupEvents, 2);
    EXPECT_EQ(CloseEvents, 2);
}

}  // namespace
