#include "stream/XLCellStream.h"

#include "sheet/TXLCBoolean.h"
#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDateTime.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCGroup.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLCPicture.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLStrings.h"
#include "sheet/TXLStyle.h"
#include "stream/XLPictureStream.h"
#include "stream/XLPropertyStream.h"

#include <vector>

namespace {

// The fields one class adds to its parent's payload. The calls name the
// class they mean (TXLCString::GetString, not the virtual one) because a
// descendant may show its value differently from what the field holds.
struct TPayload {
    const TXLCellClass* Class;
    void (*Write)(TXLStreamWriter&, TXLCell&);
    void (*Read)(TXLStreamReader&, TXLCell&, TXLLoadBudget&);
};

template <class T>
T& As(TXLCell& cell)
{
    return static_cast<T&>(cell);
}

const std::vector<TPayload>& Payloads()
{
    static const std::vector<TPayload> payloads = {
        {TXLCString::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { w.WriteString(As<TXLCString>(c).TXLCString::GetString()); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) { As<TXLCString>(c).TXLCString::SetString(r.ReadString()); }},
        {TXLCStrings::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) {
             auto& cell = As<TXLCStrings>(c);
             w.WriteInteger(cell.TXLCStrings::GetInteger());
             w.WriteString(static_cast<const TXLStrings*>(cell.TXLCStrings::GetObject())->GetText());
         },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget& budget) {
             auto& cell = As<TXLCStrings>(c);
             cell.TXLCStrings::SetInteger(r.ReadInteger());
             const QString text = r.ReadString();
             // Every line becomes an item of its own, however short.
             budget.Charge(TXLLoadBudget::EntryBytes * (text.count(u'\n') + 1), r);
             TXLStrings items;
             items.SetText(text);
             cell.TXLCStrings::SetObject(&items);
         }},
        {TXLCInteger::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { w.WriteInteger(As<TXLCInteger>(c).TXLCInteger::GetInteger()); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) { As<TXLCInteger>(c).TXLCInteger::SetInteger(r.ReadInteger()); }},
        {TXLCDouble::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { w.WriteDouble(As<TXLCDouble>(c).TXLCDouble::GetDouble()); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) { As<TXLCDouble>(c).TXLCDouble::SetDouble(r.ReadDouble()); }},
        // The inherited double is the formula's last result; it is not
        // recalculated on reading.
        {TXLCFormula::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { w.WriteString(As<TXLCFormula>(c).GetFormula()); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) { As<TXLCFormula>(c).PutFormula(r.ReadString()); }},
        {TXLCCurrency::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { w.WriteInt64(As<TXLCCurrency>(c).TXLCCurrency::GetCurrency()); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) { As<TXLCCurrency>(c).TXLCCurrency::SetCurrency(r.ReadInt64()); }},
        {TXLCDateTime::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { w.WriteDouble(As<TXLCDateTime>(c).TXLCDateTime::GetDateTime()); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) { As<TXLCDateTime>(c).TXLCDateTime::SetDateTime(r.ReadDouble()); }},
        {TXLCBoolean::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { w.WriteInteger(As<TXLCBoolean>(c).TXLCBoolean::GetBoolean() ? 1 : 0); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) { As<TXLCBoolean>(c).TXLCBoolean::SetBoolean(r.ReadInteger() != 0); }},
        {TXLCGroup::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) {
             const std::vector<int32_t>& visibilities = As<TXLCGroup>(c).GetVisibilities();
             w.WriteInteger(static_cast<int32_t>(visibilities.size()));
             for (const int32_t v : visibilities)
                 w.WriteInteger(v);
         },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget&) {
             // One entry per folded column or row.
             const int count = r.ReadCount(4, SListMaxCount, "group visibility");
             std::vector<int32_t> visibilities(static_cast<size_t>(count));
             for (int32_t& v : visibilities)
                 v = r.ReadInteger();
             As<TXLCGroup>(c).SetVisibilities(std::move(visibilities));
         }},
        {TXLCPicture::StaticClass(),
         [](TXLStreamWriter& w, TXLCell& c) { WritePictureBlock(w, *As<TXLCPicture>(c).GetPicture()); },
         [](TXLStreamReader& r, TXLCell& c, TXLLoadBudget& budget) {
             ReadPictureBlock(r, *As<TXLCPicture>(c).GetPicture(), budget);
         }},
    };
    return payloads;
}

// The classes of cell's chain that add fields, from the root down.
std::vector<const TPayload*> ChainOf(const TXLCell& cell)
{
    std::vector<const TPayload*> chain;
    for (const TXLCellClass* c = cell.ClassType(); c; c = c->Parent)
        for (const TPayload& payload : Payloads())
            if (payload.Class == c)
                chain.insert(chain.begin(), &payload);
    return chain;
}

// Sets Props as read when the body is done or breaks off. The cell was
// made for this record and holds nothing yet, so every property only joins
// Props and none is reloaded.
class TPropsScope {
public:
    explicit TPropsScope(TXLCell& cell) : FCell(cell) {}
    ~TPropsScope()
    {
        try {
            FCell.SetProps(FProps);
        } catch (...) {
            // Only additions, which reload nothing; a destructor must not throw.
        }
    }
    TPropsScope(const TPropsScope&) = delete;
    TPropsScope& operator=(const TPropsScope&) = delete;

    void Set(TXLProps props) { FProps = props; }

private:
    TXLCell& FCell;
    TXLProps FProps;
};

}  // namespace

void WriteCellBody(TXLStreamWriter& writer, TXLCell& cell)
{
    TXLProps props = cell.GetProps();
    // The style index is written exactly for cells that have a style.
    if (!cell.GetBasedOn())
        props.Exclude(prBasedOn);
    WritePropertyBlock(writer, cell, props, false);
    if (props.Contains(prHint))
        writer.WriteString(cell.GetHint());
    if (props.Contains(prBasedOn))
        writer.WriteInteger(cell.GetBasedOn()->GetIndex());
    for (const TPayload* payload : ChainOf(cell))
        payload->Write(writer, cell);
}

void ReadCellBody(TXLStreamReader& reader, TXLCell& cell, TXLLoadBudget& budget, std::optional<int32_t>& styleIndex)
{
    TPropsScope props(cell);
    TXLAssignGuard guard(cell);
    const TXLPropertyBlock block = ReadPropertyBlock(reader, false, cell.GetCellClass());
    TXLProps held = block.Props;
    held.Exclude(prBasedOn);
    props.Set(held);
    ApplyPropertyBlock(cell, block);
    if (block.Props.Contains(prHint)) {
        const QString hint = reader.ReadString();
        // Straight into the section: the hint events are for edits, not loads.
        if (!hint.isEmpty())
            cell.GetSection()->PutHint(&cell, hint);
    }
    if (block.Props.Contains(prBasedOn))
        styleIndex = reader.ReadInteger();
    for (const TPayload* payload : ChainOf(cell))
        payload->Read(reader, cell, budget);
}
