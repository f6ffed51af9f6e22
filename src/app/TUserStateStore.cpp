#include "TUserStateStore.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>

namespace {

// Whether a file can be made in folder: asked of the file system itself,
// which knows about read-only mounts and access lists.
bool CanWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

}  // namespace

TUserStateStore TUserStateStore::ForProgramIn(const QString& programDir, const QString& userFolder)
{
    const QString config = QDir(programDir).filePath(QStringLiteral("Config"));
    const QFileInfo info(config);
    if (info.isDir())
        return CanWriteIn(config) ? TUserStateStore(config) : TUserStateStore(userFolder, config);
    if (!info.exists() && CanWriteIn(programDir))
        return TUserStateStore(config);
    return TUserStateStore(userFolder);
}

TUserStateStore TUserStateStore::ForThisProgram()
{
    return ForProgramIn(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString TUserStateStore::FileOf(int n) const
{
    return QDir(FFolder).filePath(QStringLiteral("config%1.ini").arg(n));
}

QString TUserStateStore::SourceOf(int n) const
{
    const QString own = FileOf(n);
    if (FReadOnlyFolder == FFolder || QFileInfo::exists(own))
        return own;
    return QDir(FReadOnlyFolder).filePath(QStringLiteral("config%1.ini").arg(n));
}

bool TUserStateStore::EnsureFolder() const
{
    return QDir().mkpath(FFolder);
}

TStateLoad TUserStateStore::Load(int n, TXLSheet& sheet)
{
    const QString name = SourceOf(n);
    QFile file(name);
    if (!file.exists())
        return TStateLoad::Missing;
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        if (errno == EACCES || errno == EPERM || file.error() == QFileDevice::PermissionsError) {
            // Saving over it would lose what the user cannot read now.
            if (name == FileOf(n))
                FUnreadable.insert(n);
            return TStateLoad::Unreadable;
        }
    }
    QByteArray bytes;
    bool damaged = !file.isOpen();
    if (!damaged) {
        bytes = file.readAll();
        damaged = file.error() != QFileDevice::NoError;
        file.close();
    }
    if (!damaged) {
        // The shipped content, to check the file against and to go back to.
        const QByteArray shipped = SaveSheetToBytes(sheet);
        TXLSheet reference;
        LoadSheetFromBytes(reference, shipped);
        try {
            LoadSheetFromBytes(sheet, bytes);
            if (!SheetShapeFits(sheet, reference)) {
                damaged = true;
                LoadSheetFromBytes(sheet, shipped);
            }
        } catch (const std::exception&) {
            // A refused file changed nothing.
            damaged = true;
        }
    }
    if (damaged) {
        // Keep the user's bytes for inspection; the next save writes afresh.
        // A file in the read-only folder stays; the save goes elsewhere.
        if (name == FileOf(n)) {
            const QString bad = name + QStringLiteral(".bad");
            QFile::remove(bad);
            QFile::rename(name, bad);
        }
        return TStateLoad::Damaged;
    }
    return TStateLoad::Loaded;
}

void TUserStateStore::Save(int n, TXLSheet& sheet) const
{
    const QString name = QDir::toNativeSeparators(FileOf(n));
    if (FUnreadable.count(n))
        throw ERAVazoError("File \"" + name.toStdString() +
                           "\" could not be read at start (no permission) and was left as it is");
    if (!EnsureFolder())
        throw ERAVazoError("Cannot create the folder \"" + QDir::toNativeSeparators(FFolder).toStdString() + "\"");
    SaveSheetToFile(sheet, FileOf(n));
}

bool SheetShapeFits(const TXLSheet& loaded, const TXLSheet& shipped)
{
    if (loaded.GetColCount() != shipped.GetColCount() || loaded.GetRowCount() != shipped.GetRowCount() ||
        loaded.GetTitleCols() != shipped.GetTitleCols() || loaded.GetTitleRows() != shipped.GetTitleRows())
        return false;
    for (int row = 0; row < shipped.GetRowCount(); ++row)
        for (int col = 0; col < shipped.GetColCount(); ++col) {
            const TXLCell* want = shipped.GetPeekCell(col, row);
            if (!want)
                continue;
            const TXLCell* have = loaded.GetPeekCell(col, row);
            if (!have || have->ClassType() != want->ClassType())
                return false;
        }
    return true;
}
