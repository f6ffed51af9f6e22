#include "grid/XLCopyData.h"

#include "grid/XLCopyText.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLSheet.h"
#include "stream/XLClipboard.h"

#include <QMimeData>

std::unique_ptr<QMimeData> XLCopyMimeData(TXLSheet& sheet, const TRect& bounds)
{
    TXLRange range(&sheet, bounds);
    std::unique_ptr<QMimeData> mime = MakeRangeMimeData(range);
    if (!mime)
        mime = std::make_unique<QMimeData>();
    const std::vector<QStringList> table = XLTableText(sheet, bounds);
    mime->setText(XLTableToTsv(table));
    mime->setHtml(XLTableToHtml(table));
    return mime;
}
