// The eight calculation handlers, one per calculation sheet. Each reads the
// inputs and unit choices of its sheet, checks them, computes with the
// property library and writes the converted, formatted results; on invalid
// input it empties its result rows and changes nothing else. Handlers keep no
// state between calls and need no window: the main window's methods of the
// same names call them, and so does the command-line tool.
#pragma once

class TXLSheet;

void XLSheet1StylerChanged(TXLSheet& sheet); // water and steam by p and t
void XLSheet2StylerChanged(TXLSheet& sheet); // saturation state by pressure
void XLSheet3StylerChanged(TXLSheet& sheet); // adiabatic heat drop
void XLSheet4StylerChanged(TXLSheet& sheet); // air
void XLSheet5StylerChanged(TXLSheet& sheet); // flue gases
void XLSheet6StylerChanged(TXLSheet& sheet); // water and steam by p and h
void XLSheet7StylerChanged(TXLSheet& sheet); // water and steam by p and s
void XLSheet8StylerChanged(TXLSheet& sheet); // saturation state by temperature

// The handler of calculation sheet n (1 … 8), or null for other numbers.
using TCalcHandler = void (*)(TXLSheet&);
TCalcHandler CalcHandlerOfSheet(int n);
