#include "grid/TXLDateTimeEdit.h"

#include "base/DateTimeLenient.h"
#include "base/DateTimeParse.h"
#include "base/FormatEx.h"
#include "controls/TGSCalendar.h"
#include "controls/TGSPopupPanel.h"
#include "sheet/TXLCell.h"

#include <QLineEdit>

#include <cmath>

namespace {

TDateTime DayOf(TDateTime value)
{
    return std::trunc(value);
}

TDateTime TimeOfDay(TDateTime value)
{
    return std::fabs(value - std::trunc(value));
}

}  // namespace

TXLDateTimeEdit::TXLDateTimeEdit(TXLEdit* host) : TXLPopupEdit(host)
{
    FCalendar = new TGSCalendar(GetPanel());
    // The grid's texts are Russian; the calendar's own captions are not.
    FCalendar->SetToday(QStringLiteral("Сегодня"));
    FCalendar->SetNone(QStringLiteral("Очистить"));
    FCalendar->OnClick = [this](TGSCalendar*) { CalendarClick(); };
}

TDateTime TXLDateTimeEdit::ParseText(TDateTime base) const
{
    const QString text = GetText();
    // A date cleared (by hand or by the calendar's "none") empties the
    // value: the time of day kept on day 0 would show as 30.12.1899.
    if (FKind != dkTime && text.trimmed().isEmpty())
        return 0;
    switch (FKind) {
    case dkDate:
        return ComposeDateTime(TextToDate(text, QLocale()), TimeOfDay(base));
    case dkTime:
        return ComposeDateTime(DayOf(base), TextToTime(text, QLocale()));
    case dkDateTime:
        break;
    }
    return TryStrToDateTime(text).value_or(base);
}

TXLLoadAnswer TXLDateTimeEdit::LoadCell(TXLCell& cell)
{
    FDateFormat = cell.GetDisplayFormat().section(u';', 0, 0);
    FCalendar->setFont(window()->font());
    TDateTime value = 0;
    try {
        value = cell.GetDateTime();
    } catch (...) {
        value = 0;
    }
    FCalendar->SetDate(value);
    LoadMasked(cell);
    SetEditMask(QString());

    const QString edit = cell.GetEditFormat();
    FKind = edit.contains(u't') ? dkTime : edit.contains(u'd') ? dkDate : dkDateTime;
    const bool calendar = FKind != dkTime && edit.contains(u'c');
    SetText(FormatDateTimeEx(FDateFormat, FCalendar->GetDate()));
    GetEdit()->deselect();
    GetEdit()->setModified(false);
    return {calendar ? esDropDown : esNormal, false};
}

void TXLDateTimeEdit::SaveCell(TXLCell& cell)
{
    // The text shows the value only as far as the format does (no seconds,
    // no year): read back untouched it would cut the value down.
    if (!GetEdit()->isModified())
        return;
    cell.SetDateTime(ParseText(cell.GetDateTime()));
}

void TXLDateTimeEdit::BeforePopup()
{
    FCalendar->SetDate(ParseText(FCalendar->GetDate()));
}

void TXLDateTimeEdit::CalendarClick()
{
    SetText(FormatDateTimeEx(FDateFormat, FCalendar->GetDate()));
    GetEdit()->setModified(true);
    ClosePopup();
}
