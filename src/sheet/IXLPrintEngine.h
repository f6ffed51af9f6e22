// IXLPrintEngine: the printer a sheet prints to and the painter of one
// printed page. The grid library installs one into the cell-class manager
// at start-up (the sheet layer cannot paint sections itself); without one a
// sheet can lay pages out but not print them.
#pragma once

class QPainter;
class QString;
class TXLSheet;
struct TXLPrintLayout;

class IXLPrintEngine {
public:
    virtual ~IXLPrintEngine() = default;

    // Starts a printer document with the given title and returns the
    // printer's canvas (the engine keeps it until EndDoc).
    virtual QPainter* BeginDoc(const QString& title) = 0;
    virtual void NewPage() = 0;
    // Ends the document begun last; harmless when none is open.
    virtual void EndDoc() = 0;
    // Paints column page colPage, row page rowPage of layout onto canvas,
    // whose units are the layout's printer dots.
    virtual void PaintPage(TXLSheet& sheet, const TXLPrintLayout& layout, int colPage, int rowPage,
                           QPainter& canvas) = 0;
};
