// The user's state between runs: calculation sheets 1 … 8 in the files
// config1.ini … config8.ini of one folder. The folder is "Config" next to
// the executable when that is writable (a portable copy), else the user's
// configuration folder (an installed program).
//
// Each file loads on its own: it is read into a scratch sheet first and
// replaces the window's sheet only when it loaded completely, so a missing
// or damaged file never empties a sheet nor stops the other files from
// loading. A damaged file is moved aside as "configN.ini.bad" (replacing an
// older one) instead of being overwritten silently at the next close.
// Saving writes each file atomically and tries every sheet.
#pragma once

#include <QString>
#include <QStringList>

class TXLSheet;

enum class TStateLoad { Loaded, Missing, Damaged };

class TUserStateStore {
public:
    explicit TUserStateStore(QString folder) : FFolder(std::move(folder)) {}

    // The folder for this installation (see above).
    static QString DefaultFolder();

    const QString& Folder() const { return FFolder; }
    QString FileOf(int n) const;

    // Creates the folder if needed; false when it cannot be made.
    bool EnsureFolder() const;
    // Loads sheet n (1 … 8) from its file over sheet.
    TStateLoad Load(int n, TXLSheet& sheet) const;
    // Saves sheet n to its file; raises ERAVazoError on failure.
    void Save(int n, TXLSheet& sheet) const;

private:
    QString FFolder;
};
