// The date and time editor through the grid: the mode and the calendar
// button from the edit format, the lenient reading of dates and times that
// keeps the other part of the value, the round trip of date-time cells,
// and the calendar dropping down under the cell to choose a day.
#include "grid/TXLDateTimeEdit.h"

#include "base/FormatSettings.h"
#include "controls/TGSCalendar.h"
#include "controls/TGSPopupPanel.h"
#include "grid/EditTestSupport.h"
#include "grid/TXLButton.h"
#include "sheet/TXLCDateTime.h"

#include <QTimer>

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, 0));
}

// Day, month and year in the locale's order (a Russian locale: D M Y).
class DateTimeEditTest : public EditTestBase {
protected:
    void SetUp() override
    {
        EditTestBase::SetUp();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        EditTestBase::TearDown();
    }

    TXLCell* DateCell(TPoint at, const QString& format, TDateTime value)
    {
        Sheet->SetCellClass(at.X, at.Y, TXLCDateTime::StaticClass());
        TXLCell* cell = Sheet->GetCell(at.X, at.Y);
        cell->SetFormat(format);
        cell->SetDateTime(value);
        return cell;
    }
    TXLDateTimeEdit* Open(TPoint at)
    {
        Grid->SetCurPos(at);
        Key(Qt::Key_F2);
        return Editor<TXLDateTimeEdit>();
    }

    TFormatSettingsOverride FLocale{FormatSettings::WithDecimalSeparator(u'.')};
};

TEST_F(DateTimeEditTest, TheEditFormatGivesTheModeAndTheCalendarButton)
{
    struct Row {
        const char* format;
        TXLDateTimeKind kind;
        TXLEditStyle button;
    };
    const Row rows[] = {
        {"DD/MM/YYYY", dkDateTime, esNormal},    {"DD/MM/YYYY|c", dkDateTime, esDropDown},
        {"DD/MM/YYYY|dc", dkDate, esDropDown},   {"DD/MM/YYYY|d", dkDate, esNormal},
        {"hh:nn|tc", dkTime, esNormal},          {"hh:nn|TD", dkTime, esNormal},
        {"DD/MM/YYYY;never|cd", dkDate, esDropDown},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.format);
        DateCell({1, 1}, QString::fromUtf8(row.format), At(2024, 5, 13, 8, 30));
        TXLDateTimeEdit* edit = Open({1, 1});
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->GetKind(), row.kind);
        EXPECT_EQ(Host().GetButton()->GetStyle(), row.button);
        EXPECT_EQ(Host().GetButton()->isVisible(), row.button != esNormal);
        EXPECT_FALSE(edit->IsMasked());
        Key(Qt::Key_Escape);
    }
}

TEST_F(DateTimeEditTest, TypedTextReplacesOnlyItsPartOfTheValue)
{
    struct Row {
        const char* format;
        const char* shown;
        const char* typed;
        TDateTime saved;
    };
    const TDateTime stored = At(2024, 5, 13, 8, 30);
    const int year = QDate::currentDate().year();
    const Row rows[] = {
        {"DD/MM/YYYY|d", "13/05/2024", "14 6 2024", At(2024, 6, 14, 8, 30)},
        {"DD/MM/YYYY|d", "13/05/2024", "2 march 2023", At(2023, 3, 2, 8, 30)},
        {"DD/MM/YYYY|d", "13/05/2024", "13 5", At(year, 5, 13, 8, 30)},
        {"hh:nn:ss|t", "08:30:00", "7.5 pm", At(2024, 5, 13, 19, 5)},
        {"hh:nn:ss|t", "08:30:00", "12:30 PM", At(2024, 5, 13, 12, 30)},
        {"DD/MM/YYYY hh:nn", "13/05/2024 08:30", "14/06/2024 10:15", At(2024, 6, 14, 10, 15)},
        // What the strict reading refuses leaves the value.
        {"DD/MM/YYYY hh:nn", "13/05/2024 08:30", "soon", stored},
        // An emptied date empties the value; an emptied time is midnight.
        {"DD/MM/YYYY|d", "13/05/2024", "", 0},
        {"DD/MM/YYYY hh:nn", "13/05/2024 08:30", " ", 0},
        {"hh:nn:ss|t", "08:30:00", "", At(2024, 5, 13)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        TXLCell* cell = DateCell({1, 1}, QString::fromUtf8(row.format), stored);
        ASSERT_NE(Open({1, 1}), nullptr);
        EXPECT_EQ(Line()->text(), QString::fromUtf8(row.shown));
        Line()->selectAll();
        Key(Qt::Key_Backspace);
        Keys(QString::fromUtf8(row.typed));
        Key(Qt::Key_Return);
        EXPECT_EQ(Grid->GetEditMode(), emNone);
        EXPECT_NEAR(cell->GetDateTime(), row.saved, 1e-8);
    }
}

TEST_F(DateTimeEditTest, LeavingAnUntouchedTextKeepsWhatTheFormatHides)
{
    const TDateTime stored = At(2020, 5, 13, 8, 30, 15);
    for (const char* format : {"DD/MM|c", "MM/YYYY|c", "DD/MM/YYYY h:nn", "h:nn|t", "DD/MM/YYYY|d"}) {
        SCOPED_TRACE(format);
        TXLCell* cell = DateCell({1, 1}, QString::fromUtf8(format), stored);
        ASSERT_NE(Open({1, 1}), nullptr);
        Key(Qt::Key_Return);
        EXPECT_EQ(cell->GetDateTime(), stored);
    }
}

TEST_F(DateTimeEditTest, AnEmptyCellOpensEmptyAndTypingADateFillsIt)
{
    TXLCell* cell = DateCell({2, 2}, QStringLiteral("DD/MM/YYYY|dc"), 0);
    Grid->SetCurPos({2, 2});
    Keys(QStringLiteral("1.2.2025"));
    ASSERT_EQ(Grid->GetEditMode(), emEnter);
    Key(Qt::Key_Return);
    EXPECT_EQ(cell->GetDateTime(), At(2025, 2, 1));
    EXPECT_EQ(cell->GetText(), QStringLiteral("01/02/2025"));
}

TEST_F(DateTimeEditTest, TheCalendarDropsDownUnderTheCellAndChoosesADay)
{
    TXLCell* cell = DateCell({1, 1}, QStringLiteral("DD/MM/YYYY|dc"), At(2024, 5, 13, 8, 30));
    TXLDateTimeEdit* edit = Open({1, 1});
    ASSERT_NE(edit, nullptr);
    // The typed text is what the calendar opens on.
    Line()->selectAll();
    Keys(QStringLiteral("17 5 2024"));
    TGSCalendar* calendar = edit->GetCalendar();
    bool shown = false;
    TDateTime opened = 0;
    QPoint below;
    QTimer::singleShot(0, calendar, [&] {
        shown = calendar->isVisible();
        opened = calendar->GetDate();
        below = calendar->window()->geometry().topLeft() - Host().mapToGlobal(QPoint(0, Host().height()));
        const int cellIndex = static_cast<int>(EncodeDate(2024, 5, 20)) - calendar->GetFirstGridDay();
        const QPoint day = GSCalendarCellRect(calendar->CalcAreas(), cellIndex).center();
        QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, day);
    });
    TXLButton* button = Host().GetButton();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    ProcessEvents();
    EXPECT_TRUE(shown);
    EXPECT_NEAR(opened, At(2024, 5, 17, 8, 30), 1e-8);
    EXPECT_EQ(below.y(), 0);
    EXPECT_FALSE(edit->GetPanel()->GetActive());
    EXPECT_EQ(Line()->text(), QStringLiteral("20/05/2024"));
    EXPECT_EQ(Grid->GetEditMode(), emEdit);
    EXPECT_TRUE(Line()->hasFocus());
    Key(Qt::Key_Return);
    EXPECT_NEAR(cell->GetDateTime(), At(2024, 5, 20, 8, 30), 1e-8);
}

TEST_F(DateTimeEditTest, AltDownOpensTheCalendarAndEscDismissesIt)
{
    TXLCell* cell = DateCell({1, 1}, QStringLiteral("DD/MM/YYYY|dc"), At(2024, 5, 13));
    TXLDateTimeEdit* edit = Open({1, 1});
    ASSERT_NE(edit, nullptr);
    bool active = false;
    QTimer::singleShot(0, edit, [&] {
        active = edit->GetPanel()->GetActive();
        QTest::keyClick(edit->GetCalendar(), Qt::Key_Right);
        QTest::keyClick(edit->GetCalendar(), Qt::Key_Escape);
    });
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(active);
    EXPECT_FALSE(edit->GetPanel()->GetActive());
    // Dismissed: the text and the cell stay as they were.
    EXPECT_EQ(Line()->text(), QStringLiteral("13/05/2024"));
    EXPECT_EQ(Grid->GetEditMode(), emEdit);
    Key(Qt::Key_Return);
    EXPECT_EQ(cell->GetDateTime(), At(2024, 5, 13));
    // A time-only cell has no calendar to open.
    DateCell({1, 3}, QStringLiteral("hh:nn|tc"), At(2024, 5, 13, 9));
    ASSERT_NE(Open({1, 3}), nullptr);
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(edit->GetPanel()->GetActive());
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 3}));
}

}  // namespace
