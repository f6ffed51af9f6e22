#include "calc/CalcHandlers.h"

namespace {

template <TFormulationHandler H>
void WithClassic(TXLSheet& sheet)
{
    H(sheet, ClassicFormulation());
}

} // namespace

TCalcHandler CalcHandlerOfSheet(int n)
{
    static constexpr TCalcHandler handlers[] = {
        nullptr,
        WithClassic<XLSheet1StylerChanged>, WithClassic<XLSheet2StylerChanged>, WithClassic<XLSheet3StylerChanged>,
        WithClassic<XLSheet4StylerChanged>, WithClassic<XLSheet5StylerChanged>, WithClassic<XLSheet6StylerChanged>,
        WithClassic<XLSheet7StylerChanged>, WithClassic<XLSheet8StylerChanged>,
    };
    return n >= 1 && n <= 8 ? handlers[n] : nullptr;
}

TFormulationHandler FormulationHandlerOfSheet(int n)
{
    static constexpr TFormulationHandler handlers[] = {
        nullptr,
        XLSheet1StylerChanged, XLSheet2StylerChanged, XLSheet3StylerChanged, XLSheet4StylerChanged,
        XLSheet5StylerChanged, XLSheet6StylerChanged, XLSheet7StylerChanged, XLSheet8StylerChanged,
    };
    return n >= 1 && n <= 8 ? handlers[n] : nullptr;
}

bool IsWaterSteamSheet(int n)
{
    return n >= 1 && n <= 8 && n != 4 && n != 5;
}
