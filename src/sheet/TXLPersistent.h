// TXLPersistent: the property set every formattable object of the sheet
// model shares (cells, ranges, styles). Ten properties (TXLProp) are each
// either held by the object itself (listed in Props) or taken from its holder
// along the chain object -> BasedOn style -> (cells) the section's base style
// (FindProperty). A setter that notifies marks its property local unless the
// object is in csAssign (the state in which a property is being copied in);
// objects in csStyle notify even when a value does not change. Where the
// values live (the object, a style's info words, a section's position store)
// is decided by the subclasses through Get/SetCellInfo and Get/SetCellClass.
// The font is made on first use and owned here.
#pragma once

#include "sheet/TXLCellClass.h"
#include "sheet/TXLFont.h"
#include "sheet/XLEnums.h"
#include "sheet/XLPacked.h"

#include <QString>

#include <cstdint>
#include <memory>

class TXLStyle;

// Cell class, editor index and format, copied together as prControl.
struct TXLControl {
    const TXLCellClass* CellClass = nullptr;
    int Editor = 0;
    QString Format;

    friend bool operator==(const TXLControl&, const TXLControl&) = default;
};

// Flag bits of AssignProperty / NotifyChanges, by property.
namespace XLFlags {
// prControl
constexpr int CellClass = 1, Editor = 2, Format = 4;
// prLayout
constexpr int HorzAlign = 1, VertAlign = 2, Indent = 4, WrapMode = 8;
// prFont
constexpr int Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8, Name = 16, Size = 32, Color = 64, Charset = 128;
}  // namespace XLFlags

class TXLPersistent {
public:
    TXLPersistent() = default;
    TXLPersistent(const TXLPersistent&) = delete;
    TXLPersistent& operator=(const TXLPersistent&) = delete;
    virtual ~TXLPersistent();

    // Props becomes empty, then each of the ten properties is copied from
    // source in TXLProp order.
    virtual void Assign(TXLPersistent& source);

    virtual TXLStyle* GetBasedOn() const = 0;
    virtual void SetBasedOn(TXLStyle* style) = 0;
    virtual const TXLCellClass* GetCellClass() const = 0;
    virtual void SetCellClass(const TXLCellClass* cellClass) = 0;
    // The info value and whether it is the same all over the object's area.
    virtual uint32_t GetCellInfo(TXLCellInfo info, bool& uniform) = 0;
    uint32_t GetCellInfo(TXLCellInfo info)
    {
        bool uniform;
        return GetCellInfo(info, uniform);
    }
    virtual void SetCellInfo(TXLCellInfo info, uint32_t value) = 0;
    virtual void SetBorder(TXLSide side, const TXLSideBorder& border);
    virtual void SetBorders(TXLSides sides, const TXLSideBorder& border);
    // Local marking; subclasses add their propagation.
    virtual void NotifyChanges(TXLProp prop, int flags);
    // Copies one property from source (flags 0: whole; else the parts named
    // by the XLFlags bits).
    virtual void AssignProperty(TXLPersistent& source, TXLProp prop, int flags);
    // The object holding prop along the chain, or null.
    virtual TXLPersistent* FindProperty(TXLProp prop);
    // The display text of the value (none here).
    virtual QString FormatText();

    // Layout, packed in the ciLayout info word.
    TXLLayout GetLayout() { return UnpackLayout(GetCellInfo(ciLayout)); }
    void SetLayout(const TXLLayout& layout);
    TXLHorzAlign GetHorzAlign() { return GetLayout().HorzAlign; }
    void SetHorzAlign(TXLHorzAlign value);
    TXLVertAlign GetVertAlign() { return GetLayout().VertAlign; }
    void SetVertAlign(TXLVertAlign value);
    int GetIndent() { return GetLayout().Indent; }
    void SetIndent(int value);
    TXLWrapMode GetWrapMode() { return GetLayout().WrapMode; }
    void SetWrapMode(TXLWrapMode value);

    TColor GetColor() { return GetCellInfo(ciColor); }
    void SetColor(TColor color) { SetCellInfo(ciColor, color); }
    TXLFrame GetFrame() { return static_cast<TXLFrame>(GetCellInfo(ciFrame)); }
    void SetFrame(TXLFrame frame) { SetCellInfo(ciFrame, frame); }
    TXLCellStyles GetStyles() { return TXLCellStyles::FromBits(static_cast<uint8_t>(GetCellInfo(ciStyles))); }
    void SetStyles(TXLCellStyles styles) { SetCellInfo(ciStyles, styles.Bits()); }

    TXLSideBorder GetBorder(TXLSide side) { return UnpackBorder(GetCellInfo(static_cast<TXLCellInfo>(side))); }
    // The sides whose line is non-zero and uniform.
    TXLSides GetSides();
    // Added sides get a single black line, removed sides none.
    void SetSides(TXLSides sides);

    // Made on first use: "Arial", then (unless being assigned) loaded from
    // the holder of prFont.
    TXLFont* GetFont();
    bool HasFont() const { return FFont != nullptr; }
    void SetFont(const TXLFont& font) { GetFont()->Assign(font); }

    int GetEditor() const { return FEditor; }
    // An index outside the cell class's editors becomes 0.
    void SetEditor(int editor);
    const TXLEditClass* GetCellEditor() const;
    // Raises ERAVazoError "Unregistered cell editor!" for an editor class not
    // registered for the cell class.
    void SetCellEditor(const TXLEditClass* editClass);

    const QString& GetFormat() const;
    void SetFormat(const QString& format);
    // The text before the first "|" (all of it without one).
    QString GetDisplayFormat() const;
    // The text after the first "|", lower-cased ("" without one).
    QString GetEditFormat() const;

    TXLControl GetControl() const { return {GetCellClass(), FEditor, GetFormat()}; }
    void SetControl(const TXLControl& control);

    TXLProps GetProps() const { return FProps; }
    // Stores the set; each property whose membership changed is reloaded
    // from its holder.
    void SetProps(TXLProps props);
    // Copies prop (or the parts named by flags) from the holder, in csAssign.
    void ReloadProperty(TXLProp prop, int flags);

    TXLCellStates GetStates() const { return FStates; }
    bool HasState(TXLCellState state) const { return FStates.Contains(state); }
    void IncludeState(TXLCellState state) { FStates.Include(state); }
    void ExcludeState(TXLCellState state) { FStates.Exclude(state); }
    bool IsStyle() const { return FStates.Contains(csStyle); }

protected:
    // Writes Props without reloading (construction, loading, base styles).
    void PutProps(TXLProps props) { FProps = props; }
    // Writes the editor index and format without notification.
    void PutEditor(int editor) { FEditor = static_cast<uint8_t>(editor); }
    void PutFormat(const QString& format);

    // Storage of the subclasses, here so that a cell's fields pack tightly.
    // The display text of a value while it differs from its plain text.
    std::unique_ptr<QString>& DisplayText() { return FDisplay; }
    // A cell's BasedOn style (null for none).
    TXLStyle* StoredBasedOn() const { return FRare ? FRare->BasedOn : nullptr; }
    void StoreBasedOn(TXLStyle* style);

private:
    void FontChanged();
    void SetLayoutPart(TXLLayout layout, int flag);
    // Drops the rare parts once they hold nothing.
    void ReleaseRare();

    // What few objects set; made when one part is set, freed when none is.
    struct TRare {
        QString Format;
        TXLStyle* BasedOn = nullptr;
    };

    // A cell is made of this and its subclasses' fields, one of many
    // thousands: everything most cells leave empty lies behind a pointer,
    // and the small fields come last, where a subclass's next field (a
    // cell's column) shares their word.
    std::unique_ptr<TRare> FRare;
    std::unique_ptr<TXLFont> FFont;
    std::unique_ptr<QString> FDisplay;
    // SetEditor keeps it below the editor count of the class.
    uint8_t FEditor = 0;
    TXLCellStates FStates;
    TXLProps FProps;
};

// Sets csAssign for its lifetime and restores the previous state after.
class TXLAssignGuard {
public:
    explicit TXLAssignGuard(TXLPersistent& object) : FObject(object), FWasSet(object.HasState(csAssign))
    {
        object.IncludeState(csAssign);
    }
    ~TXLAssignGuard()
    {
        if (!FWasSet)
            FObject.ExcludeState(csAssign);
    }
    TXLAssignGuard(const TXLAssignGuard&) = delete;
    TXLAssignGuard& operator=(const TXLAssignGuard&) = delete;

private:
    TXLPersistent& FObject;
    bool FWasSet;
};
