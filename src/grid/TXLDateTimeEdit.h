// TXLDateTimeEdit: the cell editor of date-time cells. The text is the
// value in the first section of the cell's display format; the edit format
// chooses the mode: "t" time only, else "d" date only, else date and time;
// "c" (not with "t") makes the cell button a drop-down with a month
// calendar. Typed text is read leniently in the date-only (TextToDate) and
// time-only (TextToTime) modes, keeping the other part of the value; a text
// that cannot be read leaves the value as it was, an emptied text (outside
// the time-only mode) empties it, and a text left as it was loaded is not
// read back at all. A day clicked in the
// calendar is written into the text and closes the calendar. The calendar
// lives on the popup panel.
#pragma once

#include "base/DateTime.h"
#include "grid/TXLPopupEdit.h"

class TGSCalendar;

enum TXLDateTimeKind : uint8_t { dkDateTime, dkDate, dkTime };

class TXLDateTimeEdit : public TXLPopupEdit {
    Q_OBJECT

public:
    explicit TXLDateTimeEdit(TXLEdit* host);

    TGSCalendar* GetCalendar() const { return FCalendar; }
    TXLDateTimeKind GetKind() const { return FKind; }
    const QString& GetDateFormat() const { return FDateFormat; }
    // The text read against a base value (see the class comment).
    TDateTime ParseText(TDateTime base) const;

    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;

protected:
    void BeforePopup() override;

private:
    // A day was chosen in the calendar.
    void CalendarClick();

    TGSCalendar* FCalendar;
    TXLDateTimeKind FKind = dkDateTime;
    QString FDateFormat;
};
