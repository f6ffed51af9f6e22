// IXLPrinterMetrics: where the cell-class manager gets the printer page and
// resolution and the screen resolution from. The grid library supplies one
// backed by the platform printer; without any, the manager assumes no
// printer (600 dpi, a 4676 x 6744-dot page) and a 96-dpi screen.
#pragma once

class IXLPrinterMetrics {
public:
    virtual ~IXLPrinterMetrics() = default;

    // False when no printer is installed; the other printer values are then
    // not asked for.
    virtual bool PrinterInstalled() const = 0;
    virtual int PrinterDpiX() const = 0;
    virtual int PrinterDpiY() const = 0;
    // Printable page size in printer dots.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int ScreenPixelsPerInch() const = 0;
};
