#include "support/QtTestEnvironment.h"

#include "ShippedSheets.h"
#include "calc/SheetContent.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// The committed sheet files are exactly what the content builds: regenerate
// them with tools/generate_sheets after changing the content.
TEST(ShippedSheets, CommittedFilesMatchTheContent)
{
    for (int n = 0; n < SheetCount; ++n) {
        SCOPED_TRACE(n);
        TXLSheet built;
        built.SetName(QStringLiteral("XLSheet%1").arg(n));
        BuildSheetContent(n, built);
        EXPECT_TRUE(SaveSheetToBytes(built) == ShippedSheetBytes(n));
    }
}

// Loading a shipped file gives back the very sheet: saved again it makes the
// same bytes, so every cell, format and size came through.
TEST(ShippedSheets, LoadExactly)
{
    for (int n = 0; n < SheetCount; ++n) {
        SCOPED_TRACE(n);
        TXLSheet loaded;
        loaded.SetName(QStringLiteral("XLSheet%1").arg(n));
        LoadShippedSheet(n, loaded);
        EXPECT_TRUE(SaveSheetToBytes(loaded) == ShippedSheetBytes(n));
    }
}

TEST(ShippedSheets, OnlyNineSheets)
{
    EXPECT_ANY_THROW(ShippedSheetBytes(-1));
    EXPECT_ANY_THROW(ShippedSheetBytes(SheetCount));
}

} // namespace
