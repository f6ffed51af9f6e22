#include "sheet/TXLPersistent.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLProStyle.h"
#include "sheet/TXLStyle.h"

TXLPersistent::~TXLPersistent() = default;

void TXLPersistent::Assign(TXLPersistent& source)
{
    if (&source == this)
        return;
    FProps = {};
    for (int p = 0; p < XLPropCount; ++p)
        AssignProperty(source, static_cast<TXLProp>(p), 0);
}

void TXLPersistent::SetBorder(TXLSide side, const TXLSideBorder& border)
{
    SetCellInfo(static_cast<TXLCellInfo>(side), PackBorder(border));
}

void TXLPersistent::SetBorders(TXLSides sides, const TXLSideBorder& border)
{
    for (int s = sLeft; s <= sVInside; ++s)
        if (sides.Contains(static_cast<TXLSide>(s)))
            SetBorder(static_cast<TXLSide>(s), border);
}

void TXLPersistent::NotifyChanges(TXLProp prop, int flags)
{
    (void)flags;
    if (!HasState(csAssign))
        FProps.Include(prop);
}

TXLPersistent* TXLPersistent::FindProperty(TXLProp prop)
{
    // A named style has no BasedOn, so the chain is at most two long.
    for (TXLPersistent* object = this; object; object = object->GetBasedOn())
        if (object->FProps.Contains(prop))
            return object;
    return nullptr;
}

QString TXLPersistent::FormatText()
{
    return {};
}

void TXLPersistent::AssignProperty(TXLPersistent& source, TXLProp prop, int flags)
{
    switch (prop) {
    case prBasedOn:
        SetBasedOn(source.GetBasedOn());
        break;
    case prControl:
        if (flags == 0) {
            SetControl(source.GetControl());
            break;
        }
        if (flags & XLFlags::CellClass)
            SetCellClass(source.GetCellClass());
        // Editor index and format only mean something within one class.
        if (GetCellClass() == source.GetCellClass()) {
            if (flags & XLFlags::Editor)
                SetEditor(source.GetEditor());
            if (flags & XLFlags::Format)
                SetFormat(source.GetFormat());
        }
        break;
    case prLayout: {
        const TXLLayout layout = source.GetLayout();
        if (flags == 0) {
            SetLayout(layout);
            break;
        }
        if (flags & XLFlags::HorzAlign)
            SetHorzAlign(layout.HorzAlign);
        if (flags & XLFlags::VertAlign)
            SetVertAlign(layout.VertAlign);
        if (flags & XLFlags::Indent)
            SetIndent(layout.Indent);
        if (flags & XLFlags::WrapMode)
            SetWrapMode(layout.WrapMode);
        break;
    }
    case prColor:
        SetColor(source.GetColor());
        break;
    case prFont: {
        const TXLFont& from = *source.GetFont();
        TXLFont& font = *GetFont();
        if (flags == 0) {
            font.Assign(from);
            break;
        }
        TFontStyles style = font.GetStyle();
        for (int s = fsBold; s <= fsStrikeOut; ++s) {
            if (!(flags & (1 << s)))
                continue;
            if (from.GetStyle().Contains(static_cast<TFontStyle>(s)))
                style.Include(static_cast<TFontStyle>(s));
            else
                style.Exclude(static_cast<TFontStyle>(s));
        }
        font.SetStyle(style);
        if (flags & XLFlags::Name)
            font.SetName(from.GetName());
        if (flags & XLFlags::Size)
            font.SetHeight(from.GetHeight());
        if (flags & XLFlags::Color)
            font.SetColor(from.GetColor());
        if (flags & XLFlags::Charset)
            font.SetCharset(from.GetCharset());
        break;
    }
    case prBorder:
        // Only a style knows which sides it sets; a cell's lines belong to
        // positions shared with its neighbours.
        if (dynamic_cast<TXLProStyle*>(&source)) {
            const TXLSides sides = source.GetSides();
            for (int s = sLeft; s <= sVInside; ++s)
                if (sides.Contains(static_cast<TXLSide>(s)))
                    SetBorder(static_cast<TXLSide>(s), source.GetBorder(static_cast<TXLSide>(s)));
        }
        break;
    case prFrame:
        SetFrame(source.GetFrame());
        break;
    case prStyles:
        SetStyles(source.GetStyles());
        break;
    case prValue:
    case prHint:
        // Only values and cells carry these (TXLValue, TXLCell).
        break;
    }
}

void TXLPersistent::SetLayoutPart(TXLLayout layout, int flag)
{
    SetCellInfo(ciLayout, PackLayout(layout));
    NotifyChanges(prLayout, flag);
}

void TXLPersistent::SetLayout(const TXLLayout& layout)
{
    SetCellInfo(ciLayout, PackLayout(layout));
    NotifyChanges(prLayout, 0);
}

void TXLPersistent::SetHorzAlign(TXLHorzAlign value)
{
    TXLLayout layout = GetLayout();
    if (layout.HorzAlign == value && !IsStyle())
        return;
    layout.HorzAlign = value;
    SetLayoutPart(layout, XLFlags::HorzAlign);
}

void TXLPersistent::SetVertAlign(TXLVertAlign value)
{
    TXLLayout layout = GetLayout();
    if (layout.VertAlign == value && !IsStyle())
        return;
    layout.VertAlign = value;
    SetLayoutPart(layout, XLFlags::VertAlign);
}

void TXLPersistent::SetIndent(int value)
{
    TXLLayout layout = GetLayout();
    const auto indent = static_cast<uint16_t>(value);
    if (layout.Indent == indent && !IsStyle())
        return;
    layout.Indent = indent;
    SetLayoutPart(layout, XLFlags::Indent);
}

void TXLPersistent::SetWrapMode(TXLWrapMode value)
{
    TXLLayout layout = GetLayout();
    if (layout.WrapMode == value && !IsStyle())
        return;
    layout.WrapMode = value;
    SetLayoutPart(layout, XLFlags::WrapMode);
}

TXLSides TXLPersistent::GetSides()
{
    TXLSides sides;
    for (int s = sLeft; s <= sVInside; ++s) {
        bool uniform = false;
        if (GetCellInfo(static_cast<TXLCellInfo>(s), uniform) != 0 && uniform)
            sides.Include(static_cast<TXLSide>(s));
    }
    return sides;
}

void TXLPersistent::SetSides(TXLSides sides)
{
    const TXLSides old = GetSides();
    for (int s = sLeft; s <= sVInside; ++s) {
        const auto side = static_cast<TXLSide>(s);
        if (sides.Contains(side) && !old.Contains(side))
            SetBorder(side, {slSingle, clBlack});
        else if (!sides.Contains(side) && old.Contains(side))
            SetCellInfo(static_cast<TXLCellInfo>(side), 0);
    }
}

TXLFont* TXLPersistent::GetFont()
{
    if (!FFont) {
        FFont = std::make_unique<TXLFont>();
        // While a font is being copied in, loading the holder's would be wasted.
        if (!HasState(csAssign)) {
            TXLPersistent* holder = FindProperty(prFont);
            if (holder && holder != this)
                FFont->Assign(*holder->GetFont());
        }
        // Hooked only now: making the font is not a change of the object.
        FFont->OnChange = [this] { FontChanged(); };
    }
    return FFont.get();
}

void TXLPersistent::FontChanged()
{
    NotifyChanges(prFont, 0);
}

void TXLPersistent::SetEditor(int editor)
{
    if (editor < 0 || editor >= XLManager().GetEditClassCount(GetCellClass()))
        editor = 0;
    if (editor < 0 || editor > UINT8_MAX)
        editor = 0;
    if (editor == FEditor && !IsStyle())
        return;
    FEditor = static_cast<uint8_t>(editor);
    NotifyChanges(prControl, XLFlags::Editor);
}

const TXLEditClass* TXLPersistent::GetCellEditor() const
{
    return XLManager().GetEditClass(GetCellClass(), FEditor);
}

void TXLPersistent::SetCellEditor(const TXLEditClass* editClass)
{
    const int index = XLManager().FindEditClass(GetCellClass(), editClass);
    if (index < 0)
        throw ERAVazoError("Unregistered cell editor!");
    SetEditor(index);
}

void TXLPersistent::SetFormat(const QString& format)
{
    if (format == GetFormat() && !IsStyle())
        return;
    PutFormat(format);
    IncludeState(csReformat);
    NotifyChanges(prControl, XLFlags::Format);
}

const QString& TXLPersistent::GetFormat() const
{
    static const QString none;
    return FRare ? FRare->Format : none;
}

void TXLPersistent::PutFormat(const QString& format)
{
    if (!FRare && format.isEmpty())
        return;
    if (!FRare)
        FRare = std::make_unique<TRare>();
    FRare->Format = format;
    ReleaseRare();
}

void TXLPersistent::StoreBasedOn(TXLStyle* style)
{
    if (!FRare && !style)
        return;
    if (!FRare)
        FRare = std::make_unique<TRare>();
    FRare->BasedOn = style;
    ReleaseRare();
}

void TXLPersistent::ReleaseRare()
{
    if (FRare && FRare->Format.isEmpty() && !FRare->BasedOn)
        FRare.reset();
}

QString TXLPersistent::GetDisplayFormat() const
{
    const QString& format = GetFormat();
    const qsizetype bar = format.indexOf(u'|');
    return bar < 0 ? format : format.left(bar);
}

QString TXLPersistent::GetEditFormat() const
{
    const QString& format = GetFormat();
    const qsizetype bar = format.indexOf(u'|');
    return bar < 0 ? QString() : format.mid(bar + 1).toLower();
}

void TXLPersistent::SetControl(const TXLControl& control)
{
    SetCellClass(control.CellClass);
    if (GetCellClass() != control.CellClass)
        return;
    SetEditor(control.Editor);
    SetFormat(control.Format);
}

void TXLPersistent::SetProps(TXLProps props)
{
    const TXLProps old = FProps;
    FProps = props;
    for (int p = 0; p < XLPropCount; ++p) {
        const auto prop = static_cast<TXLProp>(p);
        if (old.Contains(prop) != props.Contains(prop))
            ReloadProperty(prop, 0);
    }
}

void TXLPersistent::ReloadProperty(TXLProp prop, int flags)
{
    TXLPersistent* holder = FindProperty(prop);
    if (!holder || holder == this)
        return;
    TXLAssignGuard guard(*this);
    AssignProperty(*holder, prop, flags);
}
