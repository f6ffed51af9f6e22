// TXLValue: a property set with a value. The value is seen as a Variant;
// the typed getters convert GetValue with the variant rules and the typed
// setters build a Variant and call SetValue, so a value class only has to
// override what it stores natively. Changed marks the display text for
// rebuilding and notifies prValue; GetText rebuilds the cached text
// (FormatText) while csReformat is set. Base of every cell.
#pragma once

#include "base/Variant.h"
#include "sheet/TXLPersistent.h"

#include <QString>

#include <cstdint>

class TXLObject;
struct TXLDraw;

class TXLValue : public TXLPersistent {
public:
    // Draws the display text into rect (the cell's content rectangle) the
    // way the painter asks (TXLDraw.h); classes that show something else
    // override it.
    virtual void Draw(const TXLDraw& draw, const TRect& rect);
    virtual double GetDouble();
    virtual double GetDateTime();
    virtual int32_t GetInteger();
    virtual QString GetString();
    virtual bool GetBoolean();
    // The value object (item list, picture); null for most classes.
    virtual TXLObject* GetObject();
    // Units of 1/10000.
    virtual int64_t GetCurrency();
    // Unassigned here.
    virtual Variant GetValue();
    virtual void SetDouble(double value);
    virtual void SetDateTime(double value);
    virtual void SetInteger(int32_t value);
    virtual void SetString(const QString& value);
    virtual void SetBoolean(bool value);
    // Nothing here.
    virtual void SetObject(const TXLObject* value);
    virtual void SetCurrency(int64_t value);
    // Only marks the change here.
    virtual void SetValue(const Variant& value);

    // csReformat, then NotifyChanges(prValue).
    void Changed();
    // The display text, rebuilt by FormatText when csReformat is set.
    QString GetText();

    // prValue from another value: its Variant, and its object when both
    // are of the same cell class.
    void AssignProperty(TXLPersistent& source, TXLProp prop, int flags) override;

protected:
    // The stored text a class's display text usually equals (a text cell's
    // string), or null: no copy of the display text is kept while it equals
    // this (or, without one, while it is empty).
    virtual const QString* ValueText() const { return nullptr; }
};
