// TXLStyler: a collection of named styles that several sheets can share. It
// owns its styles (in list order) and knows the sheets attached to it (a
// sheet attaches and detaches through its Styler property). Destroying a
// style takes it out of the list and off every cell based on it; destroying
// the styler first detaches every sheet (last first), then destroys its
// styles (last first).
#pragma once

#include "sheet/XLTypes.h"

#include <QString>

#include <memory>
#include <vector>

class TXLSheet;
class TXLStyle;

class TXLStyler {
public:
    TXLStyler();
    ~TXLStyler();
    TXLStyler(const TXLStyler&) = delete;
    TXLStyler& operator=(const TXLStyler&) = delete;

    // The style of that alias, or a new one appended with it.
    TXLStyle* Add(const QString& alias);
    // Destroys the style at index i (nothing when out of range).
    void Delete(int i);
    // First style whose alias equals (case-sensitive), or null.
    TXLStyle* FindStyle(const QString& alias) const;
    // As FindStyle; raises ERAVazoError "Unknown style named "%s"!" when none.
    TXLStyle* GetStyleByAlias(const QString& alias) const;
    TXLStyle* GetStyleByIndex(int i) const;
    int GetStyleCount() const { return static_cast<int>(FStyles.size()); }
    TXLSheet* GetSheet(int i) const;
    int GetSheetCount() const { return static_cast<int>(FSheets.size()); }

    // OnChange, then SetModified(true).
    void Changed();
    bool GetModified() const { return FModified; }
    void SetModified(bool value);

    const QString& GetName() const { return FName; }
    void SetName(const QString& name) { FName = name; }
    QString GetNamePath() const { return FName; }

    TNotifyEvent OnChange;
    TNotifyEvent OnModified;

private:
    friend class TXLSheet;
    void AttachSheet(TXLSheet* sheet);
    void DetachSheet(TXLSheet* sheet);

    std::vector<std::unique_ptr<TXLStyle>> FStyles;
    std::vector<TXLSheet*> FSheets;
    bool FModified = false;
    bool FDestroying = false;
    QString FName;
};
