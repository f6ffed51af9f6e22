#include "ShippedSheets.h"

#include "base/ERAVazoError.h"
#include "calc/SheetContent.h"
#include "stream/XLSheetFile.h"

#include <QFile>

QByteArray ShippedSheetFileName(int n)
{
    return "XLSheet" + QByteArray::number(n) + ".sheet";
}

QByteArray ShippedSheetBytes(int n)
{
    if (n < 0 || n >= SheetCount)
        throw ERAVazoError("There is no shipped sheet " + std::to_string(n) + "!");
    QFile file(QStringLiteral(":/sheets/") + QString::fromLatin1(ShippedSheetFileName(n)));
    if (!file.open(QIODevice::ReadOnly))
        throw ERAVazoError("The shipped sheet " + ShippedSheetFileName(n).toStdString() + " is missing!");
    return file.readAll();
}

void LoadShippedSheet(int n, TXLSheet& sheet)
{
    LoadSheetFromBytes(sheet, ShippedSheetBytes(n));
}
