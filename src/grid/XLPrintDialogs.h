// Printing a sheet as a person asks for it: the print dialog, then every
// page on the chosen printer; or a file dialog, then the sheet as a PDF file
// (a failure to write it is said in a message box). Both print through
// XLPrintSheet with an optional heading line; the window passes its own
// document name and heading. Needs a QApplication.
#pragma once

#include <QString>

class QWidget;
class TXLSheet;

// True when the dialog was accepted and the sheet printed.
bool XLPrintWithDialog(TXLSheet& sheet, QWidget* parent, const QString& docName, const QString& heading = {});
// suggestedName: the file name the dialog starts with. True when a file was
// chosen and written.
bool XLSavePdfWithDialog(TXLSheet& sheet, QWidget* parent, const QString& suggestedName,
                         const QString& heading = {});
