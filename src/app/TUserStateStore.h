// The user's state between runs: calculation sheets 1 … 8 in the files
// config1.ini … config8.ini. They are written to one folder: "Config" next
// to the executable when that is writable (a portable copy), else the
// user's configuration folder (an installed program). They are read from
// the folder they are written to, or, for a file not there yet, from a
// read-only "Config" next to the executable (state shipped with a copy on
// read-only media is still used).
//
// A file is read once and replaces its sheet only when it loaded completely
// and has the sheet's shape: the same counts and, wherever the sheet has a
// cell, a cell of the same class (a swapped file, a missing unit list or a
// truncated table would make every calculation fail). A missing file leaves
// the sheet as it is. A damaged or misshapen file is moved aside as
// "configN.ini.bad" (replacing an older one) instead of being overwritten
// silently at the next close. A file that cannot be read (no permission) is
// no damaged one: it stays where it is, its sheet starts as shipped, and
// saving leaves it alone and says so. Saving writes each file atomically
// and tries every sheet.
#pragma once

#include <QString>
#include <QStringList>

#include <set>

class TXLSheet;

enum class TStateLoad { Loaded, Missing, Damaged, Unreadable };

class TUserStateStore {
public:
    // Reads and writes folder.
    explicit TUserStateStore(QString folder) : FFolder(folder), FReadOnlyFolder(std::move(folder)) {}
    // Writes folder; reads folder, else readOnlyFolder.
    TUserStateStore(QString folder, QString readOnlyFolder)
        : FFolder(std::move(folder)), FReadOnlyFolder(std::move(readOnlyFolder))
    {
    }

    // The store of a program in programDir (see above); userFolder is the
    // user's configuration folder.
    static TUserStateStore ForProgramIn(const QString& programDir, const QString& userFolder);
    // The store of this installation.
    static TUserStateStore ForThisProgram();

    const QString& Folder() const { return FFolder; }
    const QString& ReadOnlyFolder() const { return FReadOnlyFolder; }
    // The file sheet n is saved to.
    QString FileOf(int n) const;
    // The file sheet n is read from: FileOf(n) when it exists, else the one
    // in the read-only folder.
    QString SourceOf(int n) const;

    // Creates the folder if needed; false when it cannot be made.
    bool EnsureFolder() const;
    // Loads sheet n (1 … 8) from its file over sheet, which holds the
    // shipped content the file must fit.
    TStateLoad Load(int n, TXLSheet& sheet);
    // Saves sheet n to its file; raises ERAVazoError on failure, naming the
    // file and the cause, also for a file that could not be read at start.
    void Save(int n, TXLSheet& sheet) const;

private:
    QString FFolder;
    QString FReadOnlyFolder;
    // Sheets whose file could not be read: it is not overwritten.
    std::set<int> FUnreadable;
};

// Whether loaded has the shape of shipped: the same column and row counts
// and, at every position where shipped has a cell, a cell of the same class.
bool SheetShapeFits(const TXLSheet& loaded, const TXLSheet& shipped);
