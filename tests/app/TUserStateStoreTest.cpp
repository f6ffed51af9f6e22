#include "support/QtWidgetsTestEnvironment.h"

#include "TForm1.h"
#include "TUserStateStore.h"
#include "base/FormatSettings.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLSection.h"
#include "stream/XLSheetFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {

// Permissions mean nothing to root: the cases that need a file or folder
// the program may not touch run as the unprivileged user "nobody" then.
class TUnprivileged {
public:
    TUnprivileged()
    {
        if (geteuid() == 0) {
            FWasRoot = true;
            EXPECT_EQ(setegid(65534), 0);
            EXPECT_EQ(seteuid(65534), 0);
        }
    }
    ~TUnprivileged()
    {
        if (FWasRoot) {
            EXPECT_EQ(seteuid(0), 0);
            EXPECT_EQ(setegid(0), 0);
        }
    }
    TUnprivileged(const TUnprivileged&) = delete;
    TUnprivileged& operator=(const TUnprivileged&) = delete;

private:
    bool FWasRoot = false;
};

constexpr auto AllAccess = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                           QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                           QFile::ExeOther;
constexpr auto ReadAccess = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::ExeOther;

class TUserStateStoreTest : public testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        QFile::setPermissions(Dir.path(), AllAccess);
        ASSERT_TRUE(QDir().mkpath(Folder()));
        QFile::setPermissions(Folder(), AllAccess);
    }

    QString Folder() const { return Dir.filePath(QStringLiteral("Config")); }
    QString File(int n) const { return Folder() + QStringLiteral("/config%1.ini").arg(n); }

    // Runs the program once with every sheet's value (1, 1) typed as text.
    void SaveAll(const char* text)
    {
        TForm1 form{TUserStateStore(Folder())};
        for (int n = 1; n <= 8; ++n)
            form.XLSheet(n).GetCell(1, 1)->SetValue(Variant(QString::fromUtf8(text)));
        ASSERT_TRUE(form.FormClose().isEmpty());
    }
    static QByteArray Read(const QString& name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    // Chooses every calculation in turn: none may raise.
    static void RecalculateAll(TForm1& form)
    {
        QTreeWidgetItemIterator it(form.Tree());
        for (; *it; ++it)
            EXPECT_NO_THROW(form.Tree()->setCurrentItem(*it));
    }
    static QString Value(TForm1& form, int sheet, int row)
    {
        return form.XLSheet(sheet).GetCell(1, row)->GetValue().ToString();
    }

    QTemporaryDir Dir;
    TFormatSettingsOverride Point{FormatSettings::WithDecimalSeparator(u'.')};
};

TEST_F(TUserStateStoreTest, FilesThatDoNotFitTheirSheetAreSetAsideAndTheShippedSheetUsed)
{
    struct TCase {
        const char* Name;
        int Sheet;
        std::function<void(TUserStateStoreTest&)> Damage;
    };
    const TCase cases[] = {
        {"swapped files", 2,
         [](TUserStateStoreTest& t) {
             const QByteArray one = Read(t.File(1));
             Write(t.File(1), Read(t.File(2)));
             Write(t.File(2), one);
         }},
        {"missing unit cell", 6,
         [](TUserStateStoreTest& t) {
             TXLSheet sheet;
             LoadSheetFromFile(sheet, t.File(6));
             sheet.GetSection(sClient)->DestroyCell(2, 1);
             SaveSheetToFile(sheet, t.File(6));
         }},
        {"unit cell of another class", 4,
         [](TUserStateStoreTest& t) {
             TXLSheet sheet;
             LoadSheetFromFile(sheet, t.File(4));
             sheet.SetCellClass(2, 1, TXLCString::StaticClass());
             SaveSheetToFile(sheet, t.File(4));
         }},
        {"one row", 5,
         [](TUserStateStoreTest& t) {
             TXLSheet sheet;
             LoadSheetFromFile(sheet, t.File(5));
             sheet.SetRowCount(1);
             SaveSheetToFile(sheet, t.File(5));
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SaveAll("7");
        c.Damage(*this);
        TForm1 form{TUserStateStore(Folder())};
        EXPECT_TRUE(Value(form, c.Sheet, 1).isEmpty());
        EXPECT_EQ(form.XLSheet(c.Sheet).GetCell(2, 1)->GetInteger(), 0);
        EXPECT_FALSE(QFile::exists(File(c.Sheet)));
        EXPECT_TRUE(QFile::exists(File(c.Sheet) + QStringLiteral(".bad")));
        EXPECT_EQ(Value(form, 7, 1), "7");  // the others load
        RecalculateAll(form);
        EXPECT_TRUE(form.FormClose().isEmpty());
        TXLSheet saved;
        LoadSheetFromFile(saved, File(c.Sheet));
        EXPECT_TRUE(SheetShapeFits(saved, form.XLSheet(c.Sheet)));
    }
}

TEST_F(TUserStateStoreTest, OddValuesInAFileOfTheRightShapeNeverRaise)
{
    const char* const odd[] = {"", "x", "-", "1e400", "-1e-400", "nan", "inf", "1,2.3", "99999999999999999999",
                               "\xd0\xb0", " 5 ", "0"};
    for (const char* text : odd) {
        SCOPED_TRACE(text);
        {
            TForm1 form{TUserStateStore(Folder())};
            for (int n = 1; n <= 8; ++n)
                for (int row = 0; row < form.XLSheet(n).GetRowCount(); ++row) {
                    form.XLSheet(n).GetCell(1, row)->SetValue(Variant(QString::fromUtf8(text)));
                    // Selected indices outside the lists.
                    if (TXLCell* unit = form.XLSheet(n).GetPeekCell(2, row))
                        unit->SetInteger(row % 2 ? 99 : -1);
                }
            ASSERT_TRUE(form.FormClose().isEmpty());
        }
        TForm1 form{TUserStateStore(Folder())};
        EXPECT_EQ(Value(form, 1, 1), QString::fromUtf8(text));
        RecalculateAll(form);
    }
}

TEST_F(TUserStateStoreTest, AnUnreadableFileStaysAndIsNotOverwritten)
{
    SaveAll("7");
    const QByteArray before = Read(File(3));
    ASSERT_TRUE(QFile::setPermissions(File(3), QFileDevice::Permissions()));
    {
        TUnprivileged nobody;
        TForm1 form{TUserStateStore(Folder())};
        EXPECT_TRUE(Value(form, 3, 3).isEmpty());  // shipped
        EXPECT_EQ(Value(form, 4, 1), "7");
        EXPECT_FALSE(QFile::exists(File(3) + QStringLiteral(".bad")));
        const QStringList failures = form.FormClose();
        ASSERT_EQ(failures.size(), 1);
        EXPECT_TRUE(failures[0].contains(QStringLiteral("config3.ini")));
        EXPECT_TRUE(failures[0].contains(QStringLiteral("no permission")));
        EXPECT_EQ(failures[0].count(QStringLiteral("config3.ini")), 1);
    }
    QFile::setPermissions(File(3), AllAccess);
    EXPECT_EQ(Read(File(3)), before);
}

TEST_F(TUserStateStoreTest, AReadOnlyConfigFolderIsReadAndTheUsersFolderWritten)
{
    SaveAll("7");
    const QString user = Dir.filePath(QStringLiteral("user"));
    const QByteArray before = Read(File(2));
    ASSERT_TRUE(QFile::setPermissions(Folder(), ReadAccess));
    {
        TUnprivileged nobody;
        TUserStateStore store = TUserStateStore::ForProgramIn(Dir.path(), user);
        EXPECT_EQ(store.Folder(), user);
        EXPECT_EQ(store.ReadOnlyFolder(), Folder());
        TForm1 form{store};
        for (int n : {1, 2, 4, 5, 6, 7, 8})
            EXPECT_EQ(Value(form, n, 1), "7") << n;
        form.XLSheet(2).GetCell(1, 1)->SetValue(Variant(QStringLiteral("8")));
        EXPECT_TRUE(form.FormClose().isEmpty());
    }
    QFile::setPermissions(Folder(), AllAccess);
    EXPECT_EQ(Read(File(2)), before);  // the read-only copy is left alone
    EXPECT_TRUE(QFile::exists(user + QStringLiteral("/config8.ini")));

    // The next start prefers what was saved last.
    ASSERT_TRUE(QFile::setPermissions(Folder(), ReadAccess));
    TUnprivileged nobody;
    TForm1 form{TUserStateStore::ForProgramIn(Dir.path(), user)};
    EXPECT_EQ(Value(form, 2, 1), "8");
    QFile::setPermissions(Folder(), AllAccess);
}

TEST_F(TUserStateStoreTest, TheFolderChoice)
{
    const QString user = Dir.filePath(QStringLiteral("user"));
    // A writable Config, or none in a writable folder: next to the program.
    EXPECT_EQ(TUserStateStore::ForProgramIn(Dir.path(), user).Folder(), Folder());
    QDir(Folder()).removeRecursively();
    EXPECT_EQ(TUserStateStore::ForProgramIn(Dir.path(), user).Folder(), Folder());
    // A program folder the user cannot write to: the user's folder.
    ASSERT_TRUE(QFile::setPermissions(Dir.path(), ReadAccess));
    {
        TUnprivileged nobody;
        const TUserStateStore store = TUserStateStore::ForProgramIn(Dir.path(), user);
        EXPECT_EQ(store.Folder(), user);
        EXPECT_EQ(store.ReadOnlyFolder(), user);
    }
    QFile::setPermissions(Dir.path(), AllAccess);
}

TEST_F(TUserStateStoreTest, SaveFailuresNameTheFileOnceAndTheCause)
{
    TForm1 form{TUserStateStore(Folder())};
    // The folder cannot be written to: every sheet fails, each said once.
    ASSERT_TRUE(QFile::setPermissions(Folder(), ReadAccess));
    TUnprivileged nobody;
    const QStringList failures = form.FormClose();
    ASSERT_EQ(failures.size(), 8);
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(failures[n - 1].toStdString());
        EXPECT_EQ(failures[n - 1].count(QStringLiteral("config%1.ini").arg(n)), 1);
        EXPECT_TRUE(failures[n - 1].contains(QStringLiteral("no permission")));
    }
}

} // namespace
