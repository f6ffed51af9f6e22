#include "calc/CalculationTitle.h"

#include <array>

QString CalculationTitle(int sheet)
{
    static const std::array<const char16_t*, 8> titles = {
        u"Вода и пар. Основные параметры по давлению и температуре",
        u"Вода и пар. Параметры насыщения по давлению",
        u"Вода и пар. Теплоперепад",
        u"Воздух",
        u"Дымовые газы",
        u"Вода и пар. Основные параметры по давлению и энтальпии",
        u"Вода и пар. Основные параметры по давлению и энтропии",
        u"Вода и пар. Параметры насыщения по температуре",
    };
    if (sheet < 1 || sheet > static_cast<int>(titles.size()))
        return {};
    return QString::fromUtf16(titles[static_cast<size_t>(sheet - 1)]);
}

QString CalculationHeading(int sheet, const QDateTime& when)
{
    return CalculationTitle(sheet) + QStringLiteral(" — ") + when.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}
