#include "TUserStateStore.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString TUserStateStore::DefaultFolder()
{
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QFileInfo config(exeDir.filePath(QStringLiteral("Config")));
    const bool portable = config.exists() ? config.isDir() && config.isWritable()
                                          : QFileInfo(exeDir.path()).isWritable();
    if (portable)
        return config.filePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString TUserStateStore::FileOf(int n) const
{
    return QDir(FFolder).filePath(QStringLiteral("config%1.ini").arg(n));
}

bool TUserStateStore::EnsureFolder() const
{
    return QDir().mkpath(FFolder);
}

TStateLoad TUserStateStore::Load(int n, TXLSheet& sheet) const
{
    const QString name = FileOf(n);
    QFile file(name);
    if (!file.exists())
        return TStateLoad::Missing;
    bool damaged = !file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (!damaged) {
        bytes = file.readAll();
        damaged = file.error() != QFileDevice::NoError;
        file.close();
    }
    if (!damaged) {
        try {
            TXLSheet scratch;
            LoadSheetFromBytes(scratch, bytes);
        } catch (const std::exception&) {
            damaged = true;
        }
    }
    if (damaged) {
        // Keep the user's bytes for inspection; the next save writes afresh.
        const QString bad = name + QStringLiteral(".bad");
        QFile::remove(bad);
        QFile::rename(name, bad);
        return TStateLoad::Damaged;
    }
    // The same bytes loaded into the scratch sheet, so they load here too.
    LoadSheetFromBytes(sheet, bytes);
    return TStateLoad::Loaded;
}

void TUserStateStore::Save(int n, TXLSheet& sheet) const
{
    if (!EnsureFolder())
        throw ERAVazoError("Cannot create the folder " + QDir::toNativeSeparators(FFolder).toStdString());
    SaveSheetToFile(sheet, FileOf(n));
}
