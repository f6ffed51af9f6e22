// The sheet editor used as a person uses it: a sheet holding every cell
// class is opened, one cell of each editable class is changed by keyboard
// through its own editor, saved, reopened and compared; a date chosen in
// the calendar under its cell; undo, clear, the clipboard, inserting and deleting
// lines; a damaged file is refused with the reader's message and the sheet
// shown stays; the status line and the title; the main program's state
// files and the shipped sheets open.
#include "support/QtWidgetsTestEnvironment.h"

#include "TForm1.h"
#include "TSheetEdits.h"
#include "TSheetWindow.h"
#include "base/FormatSettings.h"
#include "base/Variant.h"
#include "controls/TGSCalendar.h"
#include "controls/TGSPopup.h"
#include "controls/TGSPopupPanel.h"
#include "grid/TRAVazo.h"
#include "grid/TXLButton.h"
#include "grid/TXLComboBox.h"
#include "grid/TXLDateTimeEdit.h"
#include "grid/TXLEdit.h"
#include "grid/TXLMaskEdit.h"
#include "grid/TXLMemo.h"
#include "grid/TXLNumEdit.h"
#include "grid/TXLPickEdit.h"
#include "grid/TXLView.h"
#include "sheet/TXLCBoolean.h"
#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDateTime.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCGroup.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLCPicture.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCUrl.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "support/WindowInput.h"

namespace {

// Column B of the test sheet, one class a row.
constexpr int Col = 1;
enum Row {
    rString,
    rStrings,
    rInteger,
    rDouble,
    rCurrency,
    rFormula,
    rDateTime,
    rMasked,
    rMemo,
    rDate,
    rBoolean,
    rPicture,
    rUrl,
    rGroup,
    RowCount
};

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0)
{
    return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, 0, 0));
}

QImage RedSquare()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

// Writes a sheet with a cell of every class through the model.
void WriteEveryClass(const QString& fileName)
{
    TXLSheet sheet;
    sheet.SetColCount(4);
    sheet.SetRowCount(RowCount + 2);
    const auto put = [&](int row, const TXLCellClass* cellClass) {
        sheet.SetCellClass(Col, row, cellClass);
        return sheet.GetCell(Col, row);
    };
    put(rString, TXLCString::StaticClass())->SetValue(Variant(u"текст"));
    TXLCell* list = put(rStrings, TXLCStrings::StaticClass());
    list->SetString(QStringLiteral("один\r\nдва\r\nтри\r\n"));
    list->SetInteger(0);
    list->SetEditor(2);  // the combo box
    put(rInteger, TXLCInteger::StaticClass())->SetValue(Variant(int32_t{42}));
    TXLCell* number = put(rDouble, TXLCDouble::StaticClass());
    number->SetFormat(QStringLiteral("0.000"));
    number->SetValue(Variant(3.25));
    put(rCurrency, TXLCCurrency::StaticClass())->SetValue(Variant::FromCurrency(12'345'0000));
    // "f": "=" starts a formula in the editor.
    TXLCell* formula = put(rFormula, TXLCFormula::StaticClass());
    formula->SetFormat(QStringLiteral("|f"));
    formula->SetString(QStringLiteral("B3*2"));
    put(rDateTime, TXLCDateTime::StaticClass())->SetValue(Variant::FromDateTime(45000.5));
    // Text cells with the masked editor and with the memo.
    TXLCell* masked = sheet.GetCell(Col, rMasked);
    masked->SetEditor(2);
    masked->SetFormat(QStringLiteral("00-00;1;_"));
    masked->SetValue(Variant(u"12-34"));
    TXLCell* memo = sheet.GetCell(Col, rMemo);
    memo->SetEditor(1);
    memo->SetValue(Variant(u"одна строка"));
    // A date only, with the calendar.
    TXLCell* date = put(rDate, TXLCDateTime::StaticClass());
    date->SetFormat(QStringLiteral("dd.mm.yyyy|dc"));
    date->SetDateTime(At(2024, 5, 13, 8, 30));
    put(rBoolean, TXLCBoolean::StaticClass())->SetValue(Variant(true));
    TXLPicture picture;
    picture.SetImage(RedSquare());
    put(rPicture, TXLCPicture::StaticClass())->SetObject(&picture);
    put(rUrl, TXLCUrl::StaticClass())->SetValue(Variant(u"https://example.org/"));
    // A group over two rows folds the second.
    TXLCell* group = put(rGroup, TXLCGroup::StaticClass());
    group->SetBounds(Rect(0, 0, 1, 2));
    group->SetValue(Variant(false));
    SaveSheetToFile(sheet, fileName);
}

class TSheetWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Russian conventions, as the program's users have them: the
        // decimal comma, day.month.year.
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        Locale = std::make_unique<TFormatSettingsOverride>(FormatSettings::FromLocale(QLocale()));
        Window = std::make_unique<TSheetWindow>();
        Window->Report = [this](const QString& message) { Reports << message; };
        Window->AskSave = [this] {
            ++Asked;
            return Answer;
        };
        Window->show();
        Window->activateWindow();
        QApplication::setActiveWindow(Window.get());
        Settle();
        File = Dir.filePath(QStringLiteral("every.sheet"));
        WriteEveryClass(File);
    }
    void TearDown() override
    {
        Window->AskSave = [] { return QMessageBox::Discard; };
        Window.reset();
        Locale.reset();
        QLocale::setDefault(QLocale::system());
    }

    TRAVazo* Grid() const { return Window->Grid(); }
    TXLCell* Cell(int col, int row) const { return Window->Sheet()->GetPeekCell(col, row); }
    QString Text(int col, int row) const { return Cell(col, row) ? Cell(col, row)->GetText() : QString(); }
    void Select(int col, int row)
    {
        Grid()->setFocus();
        Grid()->SetCurPos({col, row});
        Settle();
    }
    void Type(const QString& text)
    {
        TypeIntoFocus(text);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        PressOnFocus(key, mods);
    }
    TXLEdit& Host() const { return *static_cast<TXLEdit*>(Grid()->GetEditHost()); }
    // The open editor as the class expected, or null.
    template <class E>
    E* Editor() const
    {
        return qobject_cast<E*>(Host().GetEditor());
    }
    // Runs act once the date editor's calendar has popped up (the popup
    // runs its own loop); a calendar that never opens is a failure, and
    // one left open is closed so the test goes on.
    void WhenCalendarOpens(std::function<void(TXLDateTimeEdit*)> act, int tries = 50)
    {
        QTimer::singleShot(10, Window.get(), [this, act, tries] {
            auto* edit = Editor<TXLDateTimeEdit>();
            if (!edit || !edit->GetPanel()->GetActive()) {
                if (tries > 0)
                    WhenCalendarOpens(act, tries - 1);
                else
                    ADD_FAILURE() << "the calendar did not open";
                return;
            }
            act(edit);
            TGSPopup* popup = edit->GetPanel()->GetPopup();
            if (popup && popup->GetRunning()) {
                ADD_FAILURE() << "the calendar stayed open";
                popup->Dismiss();
            }
        });
    }
    // Types text into a cell and commits it with Enter.
    void TypeInto(int col, int row, const QString& text)
    {
        Select(col, row);
        Type(text);
        Key(Qt::Key_Return);
    }

    QTemporaryDir Dir;
    QString File;
    std::unique_ptr<TSheetWindow> Window;
    QStringList Reports;
    QMessageBox::StandardButton Answer = QMessageBox::Cancel;
    int Asked = 0;
    std::unique_ptr<TFormatSettingsOverride> Locale;
};

TEST_F(TSheetWindowTest, EveryClassEditedSavedAndReopenedKeepsItsCells)
{
    ASSERT_TRUE(Window->OpenFile(File)) << Reports.join(u'\n').toStdString();
    EXPECT_EQ(Text(Col, rFormula), QStringLiteral("84"));

    // Typed on the cell as a person types: the first key opens the cell's
    // own editor, Enter saves.
    struct Typing {
        int Row;
        const QMetaObject* Editor;
        const char* Text;
    };
    const Typing typings[] = {
        {rString, &TXLPickEdit::staticMetaObject, "новый"},
        {rMasked, &TXLMaskEdit::staticMetaObject, "5678"},
        {rInteger, &TXLNumEdit::staticMetaObject, "-7"},
        {rDouble, &TXLNumEdit::staticMetaObject, "0,125"},
        {rCurrency, &TXLNumEdit::staticMetaObject, "5,5"},
        {rFormula, &TXLNumEdit::staticMetaObject, "=B3+B4"},
        {rDateTime, &TXLDateTimeEdit::staticMetaObject, "1.1.2000 6:00"},
    };
    for (const Typing& typing : typings) {
        SCOPED_TRACE(typing.Text);
        Select(Col, typing.Row);
        Type(QString::fromUtf8(typing.Text));
        ASSERT_EQ(Grid()->GetEditMode(), emEnter);
        ASSERT_NE(Host().GetEditor(), nullptr);
        EXPECT_EQ(Host().GetEditor()->metaObject(), typing.Editor) << Host().GetEditor()->metaObject()->className();
        Key(Qt::Key_Return);
        EXPECT_EQ(Grid()->GetEditMode(), emNone);
    }

    // The memo: Ctrl+Enter starts a new line.
    Select(Col, rMemo);
    Type(QStringLiteral("первая"));
    ASSERT_NE(Editor<TXLMemo>(), nullptr);
    Key(Qt::Key_Return, Qt::ControlModifier);
    Type(QStringLiteral("вторая"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(Col, rMemo)->GetString(), QStringLiteral("первая\r\nвторая"));

    // The string list through its combo box.
    Select(Col, rStrings);
    Key(Qt::Key_F4);
    ASSERT_NE(Editor<TXLComboBox>(), nullptr);
    QComboBox* combo = nullptr;
    for (QWidget* w = QApplication::focusWidget(); w && !combo; w = w->parentWidget())
        combo = qobject_cast<QComboBox*>(w);
    ASSERT_NE(combo, nullptr);
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    Settle();
    Grid()->EndEditing();
    EXPECT_EQ(Text(Col, rStrings), QStringLiteral("три"));

    // The flag and the group switch with the space bar.
    Select(Col, rBoolean);
    Key(Qt::Key_Space);
    Select(Col, rGroup);
    Key(Qt::Key_Space);
    // A link has no editor in the cell.
    Cell(Col, rUrl)->SetValue(Variant(u"https://example.org/новая"));
    EXPECT_TRUE(Window->windowTitle().endsWith(u'*')) << Window->windowTitle().toStdString();

    const QString saved = Dir.filePath(QStringLiteral("saved.sheet"));
    ASSERT_TRUE(Window->SaveFile(saved));
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Calorix — saved.sheet"));

    TSheetWindow reopened;
    reopened.Report = [this](const QString& message) { Reports << message; };
    ASSERT_TRUE(reopened.OpenFile(saved)) << Reports.join(u'\n').toStdString();
    for (int row = 0; row < RowCount; ++row) {
        SCOPED_TRACE(row);
        TXLCell* before = Cell(Col, row);
        TXLCell* after = reopened.Sheet()->GetPeekCell(Col, row);
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(after->ClassType(), before->ClassType());
        EXPECT_EQ(after->GetText(), before->GetText());
        EXPECT_EQ(after->GetString(), before->GetString());
        EXPECT_TRUE(after->GetValue() == before->GetValue());
    }
    TXLSheet& again = *reopened.Sheet();
    EXPECT_EQ(again.GetCell(Col, rString)->GetText(), QStringLiteral("новый"));
    EXPECT_EQ(again.GetCell(Col, rMasked)->GetString(), QStringLiteral("56-78"));
    EXPECT_EQ(again.GetCell(Col, rMemo)->GetString(), QStringLiteral("первая\r\nвторая"));
    EXPECT_EQ(again.GetCell(Col, rStrings)->GetInteger(), 2);
    EXPECT_EQ(again.GetCell(Col, rInteger)->GetInteger(), -7);
    EXPECT_DOUBLE_EQ(again.GetCell(Col, rDouble)->GetDouble(), 0.125);
    EXPECT_EQ(again.GetCell(Col, rDouble)->GetText(), QStringLiteral("0,125"));
    EXPECT_TRUE(again.GetCell(Col, rCurrency)->GetValue() == Variant::FromCurrency(5'5000));
    EXPECT_EQ(static_cast<TXLCFormula*>(again.GetCell(Col, rFormula))->GetFormula(), QStringLiteral("B3+B4"));
    EXPECT_DOUBLE_EQ(again.GetCell(Col, rFormula)->GetDouble(), -6.875);
    EXPECT_DOUBLE_EQ(again.GetCell(Col, rDateTime)->GetDateTime(), At(2000, 1, 1, 6));
    EXPECT_FALSE(again.GetCell(Col, rBoolean)->GetBoolean());
    EXPECT_TRUE(again.GetCell(Col, rGroup)->GetBoolean());
    EXPECT_EQ(again.GetCell(Col, rGroup)->GetBounds().Height(), 2);
    const auto* picture = static_cast<TXLCPicture*>(again.GetCell(Col, rPicture))->GetPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetImage().size(), QSize(4, 4));
}

// A date cell with the edit format "dc" drops its calendar under the cell,
// by Alt+Down on the cell or by the cell's button in the editor; the day
// clicked goes into the text, Enter into the cell, saving into the file.
TEST_F(TSheetWindowTest, CalendarUnderADateCellChoosesTheDayThatIsSaved)
{
    ASSERT_TRUE(Window->OpenFile(File));
    struct Case {
        const char* How;
        bool Button;
        int Day;
    };
    const Case cases[] = {{"Alt+Down", false, 20}, {"button", true, 27}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.How);
        Select(Col, rDate);
        bool shown = false;
        TDateTime opened = 0;
        QRect popup, host;
        WhenCalendarOpens([&](TXLDateTimeEdit* edit) {
            TGSCalendar* calendar = edit->GetCalendar();
            shown = calendar->isVisible();
            opened = calendar->GetDate();
            popup = calendar->window()->geometry();
            host = QRect(Host().mapToGlobal(QPoint(0, 0)), Host().size());
            const int cellIndex = static_cast<int>(EncodeDate(2024, 5, c.Day)) - calendar->GetFirstGridDay();
            const QPoint day = GSCalendarCellRect(calendar->CalcAreas(), cellIndex).center();
            QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, day);
        });
        if (c.Button) {
            Key(Qt::Key_F2);
            ASSERT_NE(Editor<TXLDateTimeEdit>(), nullptr);
            TXLButton* button = Host().GetButton();
            ASSERT_TRUE(button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        } else {
            Key(Qt::Key_Down, Qt::AltModifier);
        }
        Settle();
        EXPECT_TRUE(shown);
        // The calendar opens on the cell's date (the day first chosen, the
        // second time), right under the cell, over its columns.
        EXPECT_EQ(std::trunc(opened), c.Button ? EncodeDate(2024, 5, 20) : EncodeDate(2024, 5, 13));
        EXPECT_EQ(popup.top(), host.bottom() + 1);
        EXPECT_TRUE(popup.left() < host.right() && popup.right() > host.left());
        auto* edit = Editor<TXLDateTimeEdit>();
        ASSERT_NE(edit, nullptr);
        EXPECT_FALSE(edit->GetPanel()->GetActive());
        EXPECT_EQ(edit->GetEdit()->text(), QStringLiteral("%1.05.2024").arg(c.Day));
        Key(Qt::Key_Return);
        EXPECT_EQ(Grid()->GetEditMode(), emNone);
        // The day changes; the time of day stays.
        EXPECT_NEAR(Cell(Col, rDate)->GetDateTime(), At(2024, 5, c.Day, 8, 30), 1e-8);
        EXPECT_EQ(Text(Col, rDate), QStringLiteral("%1.05.2024").arg(c.Day));
    }
    ASSERT_TRUE(Window->Save());
    TXLSheet saved;
    LoadSheetFromFile(saved, File);
    EXPECT_NEAR(saved.GetCell(Col, rDate)->GetDateTime(), At(2024, 5, 27, 8, 30), 1e-8);
    EXPECT_EQ(saved.GetCell(Col, rDate)->GetText(), QStringLiteral("27.05.2024"));

    // The calendar's "none" button empties the cell.
    Select(Col, rDate);
    WhenCalendarOpens([&](TXLDateTimeEdit* edit) {
        TGSCalendar* calendar = edit->GetCalendar();
        const QPoint none = calendar->CalcAreas().Areas[caNone].center();
        QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, none);
    });
    Key(Qt::Key_Down, Qt::AltModifier);
    auto* edit = Editor<TXLDateTimeEdit>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetEdit()->text(), QString());
    Key(Qt::Key_Return);
    EXPECT_EQ(Text(Col, rDate), QString());
    EXPECT_EQ(Cell(Col, rDate)->GetDateTime(), 0);
}

TEST_F(TSheetWindowTest, UndoTakesBackTheLastEditAndTheLastClear)
{
    ASSERT_TRUE(Window->OpenFile(File));
    EXPECT_FALSE(Window->Edits()->UndoAction()->isEnabled());
    TypeInto(Col, rString, QStringLiteral("первый"));
    TypeInto(Col, rString, QStringLiteral("второй"));
    ASSERT_EQ(Text(Col, rString), QStringLiteral("второй"));
    EXPECT_TRUE(Window->Edits()->UndoAction()->isEnabled());
    Window->Edits()->UndoAction()->trigger();
    EXPECT_EQ(Text(Col, rString), QStringLiteral("первый"));
    // One step only.
    EXPECT_FALSE(Window->Edits()->CanUndo());
    Window->Edits()->Undo();
    EXPECT_EQ(Text(Col, rString), QStringLiteral("первый"));

    // An editor opened and closed without a change leaves nothing to undo.
    Select(Col, rString);
    Key(Qt::Key_F2);
    Key(Qt::Key_Return);
    EXPECT_FALSE(Window->Edits()->CanUndo());

    // Typing into a position without a cell, then undo: empty again.
    TypeInto(3, 1, QStringLiteral("x"));
    ASSERT_EQ(Text(3, 1), QStringLiteral("x"));
    Window->Edits()->Undo();
    EXPECT_EQ(Text(3, 1), QString());

    Select(Col, rInteger);
    Window->Edits()->Clear();
    EXPECT_EQ(Text(Col, rInteger), QString());
    Window->Edits()->Undo();
    EXPECT_EQ(Text(Col, rInteger), QStringLiteral("42"));
    EXPECT_EQ(Cell(Col, rInteger)->ClassType(), TXLCInteger::StaticClass());
}

// The menu's keys (Delete clears, Ctrl+Z undoes) belong to the open editor
// while a cell is edited, and to the grid otherwise.
TEST_F(TSheetWindowTest, EditKeysGoToTheOpenEditorFirst)
{
    ASSERT_TRUE(Window->OpenFile(File));
    Select(Col, rString);
    Key(Qt::Key_F2);
    ASSERT_TRUE(Grid()->GetEditing());
    Key(Qt::Key_Home);
    Key(Qt::Key_Delete);
    ASSERT_TRUE(Grid()->GetEditing());
    Key(Qt::Key_Return);
    EXPECT_EQ(Text(Col, rString), QStringLiteral("екст"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(Col, rString), QStringLiteral("текст"));
    Select(Col, rInteger);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Text(Col, rInteger), QString());
}

TEST_F(TSheetWindowTest, InsertingAndDeletingLinesShiftsCells)
{
    ASSERT_TRUE(Window->OpenFile(File));
    TypeInto(Col, rString, QStringLiteral("до"));
    const int rows = Window->Sheet()->GetRowCount();
    const int cols = Window->Sheet()->GetColCount();
    Select(0, rString);
    Window->Edits()->InsertRow();
    EXPECT_EQ(Window->Sheet()->GetRowCount(), rows + 1);
    EXPECT_EQ(Text(Col, rString), QString());
    EXPECT_EQ(Text(Col, rString + 1), QStringLiteral("до"));
    EXPECT_EQ(Text(Col, rInteger + 1), QStringLiteral("42"));
    // A shifted sheet has nothing to undo: the step would land elsewhere.
    EXPECT_FALSE(Window->Edits()->CanUndo());

    Select(0, rString);
    Window->Edits()->InsertColumn();
    EXPECT_EQ(Window->Sheet()->GetColCount(), cols + 1);
    EXPECT_EQ(Text(Col + 1, rInteger + 1), QStringLiteral("42"));
    Window->Edits()->DeleteColumn();
    Window->Edits()->DeleteRow();
    EXPECT_EQ(Window->Sheet()->GetRowCount(), rows);
    EXPECT_EQ(Window->Sheet()->GetColCount(), cols);
    EXPECT_EQ(Text(Col, rString), QStringLiteral("до"));
    EXPECT_EQ(Text(Col, rInteger), QStringLiteral("42"));
}

TEST_F(TSheetWindowTest, CopyCutAndPasteCarryClassAndText)
{
    ASSERT_TRUE(Window->OpenFile(File));
    Select(Col, rInteger);
    Window->Edits()->Copy();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->text().trimmed(), QStringLiteral("42"));
    Select(3, 0);
    Window->Edits()->Paste();
    ASSERT_NE(Cell(3, 0), nullptr);
    EXPECT_EQ(Cell(3, 0)->ClassType(), TXLCInteger::StaticClass());
    EXPECT_EQ(Text(3, 0), QStringLiteral("42"));

    Select(Col, rDouble);
    Window->Edits()->Cut();
    EXPECT_EQ(Text(Col, rDouble), QString());
    Select(3, 1);
    Window->Edits()->Paste();
    EXPECT_EQ(Cell(3, 1)->ClassType(), TXLCDouble::StaticClass());
    EXPECT_DOUBLE_EQ(Cell(3, 1)->GetDouble(), 3.25);
}

TEST_F(TSheetWindowTest, DamagedFileIsRefusedWithTheReadersMessageAndTheSheetStays)
{
    ASSERT_TRUE(Window->OpenFile(File));
    TypeInto(Col, rString, QStringLiteral("несохранённое"));
    TXLSheet* shown = Window->Sheet();
    QFile source(File);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    struct Damage {
        const char* Name;
        QByteArray Bytes;
    };
    const Damage damages[] = {
        {"truncated", bytes.left(bytes.size() / 2)},
        {"no sheet file", QByteArray("not a sheet at all")},
        {"empty", QByteArray()},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.Name);
        const QString name = Dir.filePath(QString::fromLatin1(damage.Name));
        QFile out(name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(damage.Bytes);
        out.close();
        std::string reader;
        try {
            TXLSheet scratch;
            LoadSheetFromFile(scratch, name);
        } catch (const std::exception& e) {
            reader = e.what();
        }
        ASSERT_FALSE(reader.empty());
        Reports.clear();
        EXPECT_FALSE(Window->OpenFile(name));
        ASSERT_EQ(Reports.size(), 1);
        EXPECT_TRUE(Reports[0].contains(QString::fromStdString(reader))) << Reports[0].toStdString();
        EXPECT_EQ(Window->Sheet(), shown);
        EXPECT_EQ(Window->FileName(), File);
        EXPECT_EQ(Text(Col, rString), QStringLiteral("несохранённое"));
    }
    // A file that is not there is said so, too.
    Reports.clear();
    EXPECT_FALSE(Window->OpenFile(Dir.filePath(QStringLiteral("absent.sheet"))));
    EXPECT_EQ(Reports.size(), 1);
    EXPECT_EQ(Window->Sheet(), shown);
    // The window goes on working.
    TypeInto(Col, rString, QStringLiteral("дальше"));
    EXPECT_EQ(Text(Col, rString), QStringLiteral("дальше"));
}

TEST_F(TSheetWindowTest, StatusLineNamesTheCurrentCellAndItsClass)
{
    ASSERT_TRUE(Window->OpenFile(File));
    struct Case {
        int Col, Row;
        const char* Name;
        const char* Class;
    };
    const Case cases[] = {
        {1, 2, "B3", "TXLCInteger"},
        {1, 5, "B6", "TXLCFormula"},
        {0, 0, "A1", "TXLCString"},
        {1, 1, "B2", "TXLCStrings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Select(c.Col, c.Row);
        EXPECT_EQ(Window->CellNameText(), QString::fromLatin1(c.Name));
        EXPECT_EQ(Window->CellClassText(), QString::fromLatin1(c.Class));
        const QList<QLabel*> labels = Window->statusBar()->findChildren<QLabel*>();
        QStringList shown;
        for (const QLabel* label : labels)
            shown << label->text();
        EXPECT_TRUE(shown.contains(QString::fromLatin1(c.Name))) << shown.join(u' ').toStdString();
        EXPECT_TRUE(shown.contains(QString::fromLatin1(c.Class))) << shown.join(u' ').toStdString();
    }
    // The arrow keys move it too.
    Select(1, 2);
    Key(Qt::Key_Down);
    EXPECT_EQ(Window->CellNameText(), QStringLiteral("B4"));
}

TEST_F(TSheetWindowTest, UnsavedChangesAreAskedAboutBeforeTheyGo)
{
    ASSERT_TRUE(Window->OpenFile(File));
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Calorix — every.sheet"));
    // Nothing changed: nothing asked.
    EXPECT_TRUE(Window->MaybeDiscard());
    EXPECT_EQ(Asked, 0);
    TypeInto(Col, rString, QStringLiteral("изменено"));
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Calorix — every.sheet*"));
    Answer = QMessageBox::Cancel;
    EXPECT_FALSE(Window->close());
    EXPECT_EQ(Asked, 1);
    EXPECT_TRUE(Window->isVisible());
    Answer = QMessageBox::Save;
    EXPECT_TRUE(Window->MaybeDiscard());
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Calorix — every.sheet"));
    TXLSheet check;
    LoadSheetFromFile(check, File);
    EXPECT_EQ(check.GetCell(Col, rString)->GetText(), QStringLiteral("изменено"));
    TypeInto(Col, rString, QStringLiteral("ещё"));
    Answer = QMessageBox::Discard;
    EXPECT_TRUE(Window->close());
}

// The main program's state files and the shipped sheets are sheet files too.
TEST_F(TSheetWindowTest, StateFilesAndShippedSheetsOpen)
{
    const QString config = Dir.filePath(QStringLiteral("Config"));
    TForm1 form{TUserStateStore(config)};
    ASSERT_TRUE(form.FormClose().isEmpty());
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(Window->OpenFile(QDir(config).filePath(QStringLiteral("config%1.ini").arg(n))))
            << Reports.join(u'\n').toStdString();
        EXPECT_EQ(Window->windowTitle(), QStringLiteral("Calorix — config%1.ini").arg(n));
        EXPECT_EQ(Window->Sheet()->GetRowCount(), form.XLSheet(n).GetRowCount());
        EXPECT_EQ(Window->Sheet()->GetColCount(), form.XLSheet(n).GetColCount());
        EXPECT_EQ(Window->Sheet()->GetCell(0, 1)->GetText(), form.XLSheet(n).GetCell(0, 1)->GetText());
    }
    for (int n = 0; n <= 8; ++n) {
        SCOPED_TRACE(n);
        const QString shipped = QStringLiteral(CALORIX_SHEETS_DIR "/XLSheet%1.sheet").arg(n);
        ASSERT_TRUE(Window->OpenFile(shipped)) << Reports.join(u'\n').toStdString();
        EXPECT_EQ(Window->Sheet()->GetRowCount(), form.XLSheet(n).GetRowCount());
    }
}

}  // namespace

// "Примечание…" opens a note on the current cell; what is typed there
// becomes the cell's comment, marks the sheet changed and is saved.
TEST_F(TSheetWindowTest, ACommentWrittenInTheNoteIsSaved)
{
    ASSERT_TRUE(Window->OpenFile(File));
    Select(Col, rInteger);
    Window->Edits()->EditComment();
    ASSERT_TRUE(Grid()->GetEditHint());
    Type(QStringLiteral("первая"));
    Key(Qt::Key_Return);
    Type(QStringLiteral("вторая  "));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Grid()->GetEditHint());
    EXPECT_EQ(Cell(Col, rInteger)->GetHint(), QStringLiteral("первая\nвторая"));
    EXPECT_TRUE(Window->Sheet()->GetModified());
    ASSERT_TRUE(Window->SaveFile(File));

    TSheetWindow reopened;
    ASSERT_TRUE(reopened.OpenFile(File));
    EXPECT_EQ(reopened.Sheet()->GetPeekCell(Col, rInteger)->GetHint(), QStringLiteral("первая\nвторая"));
}
