// The eight calculation handlers, one per calculation sheet. Each reads the
// inputs and unit choices of its sheet, checks them, computes with the
// property library and writes the converted, formatted results; on invalid
// input it empties its result rows and changes nothing else. Handlers keep no
// state between calls and need no window: the main window's methods of the
// same names call them, and so does the command-line tool. The water and
// steam handlers compute with the formulation they are given (the classic
// one unless asked otherwise); air and flue gases have only one.
#pragma once

#include "calc/WaterSteamFormulation.h"

class TXLSheet;

using TFormulation = const TWaterSteamFormulation&;

void XLSheet1StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // water and steam by p and t
void XLSheet2StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // saturation state by pressure
void XLSheet3StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // adiabatic heat drop
void XLSheet4StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // air
void XLSheet5StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // flue gases
void XLSheet6StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // water and steam by p and h
void XLSheet7StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // water and steam by p and s
void XLSheet8StylerChanged(TXLSheet& sheet, TFormulation f = ClassicFormulation()); // saturation by temperature

// Whether calculation sheet n computes water and steam (and so has a choice
// of formulation).
bool IsWaterSteamSheet(int n);

// The handler of calculation sheet n (1 … 8), or null for other numbers:
// with the classic formulation, or taking the formulation to use.
using TCalcHandler = void (*)(TXLSheet&);
using TFormulationHandler = void (*)(TXLSheet&, TFormulation);
TCalcHandler CalcHandlerOfSheet(int n);
TFormulationHandler FormulationHandlerOfSheet(int n);
