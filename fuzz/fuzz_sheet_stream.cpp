// Fuzzes the readers of the sheet file, the sheet stream and the Styles
// property. Input starting with "TPF0" is read as a sheet file, with "XLG"
// as a sheet stream (into a 1 x 1 sheet without title band), anything else
// as a styler's Styles property. A failure must be an ERAVazoError; whatever
// loads must save, load again and save to the same bytes.
#include "base/ERAVazoError.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyler.h"
#include "stream/XLSheetData.h"
#include "stream/XLSheetFile.h"
#include "stream/XLStyleStream.h"

#include <QByteArray>
#include <QImageReader>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

TXLStyler& Styler()
{
    static TXLStyler* styler = [] {
        // Damaged pictures make the decoders talk; the fuzzer needs no log.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QImageReader::setAllocationLimit(16);
        auto* made = new TXLStyler;  // lives for the whole run
        made->Add(QStringLiteral("first"));
        made->Add(QStringLiteral("second"));
        return made;
    }();
    return *styler;
}

void CheckRoundTrip(TXLSheet& sheet)
{
    const QByteArray first = SaveSheetToBytes(sheet);
    TXLSheet again;
    again.SetStyler(&Styler());
    LoadSheetFromBytes(again, first);
    if (SaveSheetToBytes(again) != first) {
        std::fprintf(stderr, "saving what was loaded does not round-trip\n");
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TXLStyler& styler = Styler();
    try {
        if (bytes.startsWith("TPF0")) {
            TXLSheet sheet;
            sheet.SetStyler(&styler);
            LoadSheetFromBytes(sheet, bytes);
            CheckRoundTrip(sheet);
        } else if (bytes.startsWith("XLG")) {
            TXLSheet sheet;
            sheet.SetStyler(&styler);
            sheet.SetTitleCols(0);
            sheet.SetTitleRows(0);
            sheet.SetColCount(1);
            sheet.SetRowCount(1);
            LoadSheetDataFromBytes(sheet, bytes);
            CheckRoundTrip(sheet);
        } else {
            TXLStyler own;
            LoadStylesFromBytes(own, bytes);
            const QByteArray saved = SaveStylesToBytes(own);
            TXLStyler again;
            LoadStylesFromBytes(again, saved);
            if (SaveStylesToBytes(again) != saved) {
                std::fprintf(stderr, "styles do not round-trip\n");
                std::abort();
            }
        }
    } catch (const ERAVazoError&) {
        // A damaged input is refused; that is the point.
    }
    return 0;
}
