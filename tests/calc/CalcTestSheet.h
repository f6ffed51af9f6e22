// A calculation sheet as the window shows it at first start: the shipped
// content with its pick lists filled, plus shorthands to type inputs, pick
// units, run the handler and read what it wrote.
#pragma once

#include "calc/CalcHandlers.h"
#include "calc/SheetContent.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <QString>

class TCalcTestSheet {
public:
    explicit TCalcTestSheet(int n) : FNumber(n)
    {
        BuildSheetContent(n, Sheet);
        FillPickLists(n, Sheet);
    }

    TCalcTestSheet& Set(int row, const char* text)
    {
        Sheet.GetCell(1, row)->SetValue(Variant(QString::fromUtf8(text)));
        return *this;
    }
    TCalcTestSheet& Unit(int row, int index)
    {
        Sheet.GetCell(2, row)->SetInteger(index);
        return *this;
    }
    TCalcTestSheet& Choose(int index) // the heat-drop sheet's quantity to find
    {
        Sheet.GetCell(1, 1)->SetInteger(index);
        return *this;
    }
    TCalcTestSheet& Run(TFormulation f = ClassicFormulation())
    {
        FormulationHandlerOfSheet(FNumber)(Sheet, f);
        return *this;
    }
    QString Text(int row) { return Sheet.GetCell(1, row)->GetValue().ToString(); }
    // The shown number, whatever the separator ("1,306 E-6" reads as 1.306e-6).
    double Number(int row) { return Text(row).replace(u',', u'.').remove(u' ').toDouble(); }
    TColor FontColor(int row) { return Sheet.GetCell(1, row)->GetFont()->GetColor(); }

    TXLSheet Sheet;

private:
    int FNumber;
};
