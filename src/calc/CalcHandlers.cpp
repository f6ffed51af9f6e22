#include "calc/CalcHandlers.h"

TCalcHandler CalcHandlerOfSheet(int n)
{
    static constexpr TCalcHandler handlers[] = {
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
