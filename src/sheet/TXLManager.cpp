#include "sheet/TXLManager.h"

#include "base/ERAVazoError.h"
#include "sheet/IXLSheetUser.h"
#include "sheet/TXLSheet.h"

#include <algorithm>
#include <utility>

namespace {

// Without a printer the page is A4 at 600 dpi.
constexpr int DefaultPrinterDpi = 600;
constexpr int DefaultPageWidth = 4676;
constexpr int DefaultPageHeight = 6744;
constexpr int DefaultScreenPixelsPerInch = 96;

std::unique_ptr<TXLManager>& ManagerInstance()
{
    static std::unique_ptr<TXLManager> instance;
    return instance;
}

bool& ManagerDestroyed()
{
    static bool destroyed = false;
    return destroyed;
}

const Variant& FirstParam(const Variant* params, int count)
{
    static const Variant empty;
    return count > 0 && params ? params[0] : empty;
}

}  // namespace

TXLManager::TXLManager()
{
    RegisterDefaultFunctions();
    SetPrinter();
}

TXLManager::~TXLManager() = default;

void TXLManager::RegisterDefaultFunctions()
{
    // Each converts its single argument to the named kind.
    RegisterFunction(QStringLiteral("String"), [](TXLSheet*, const Variant* p, int n, Variant& r) {
        r = Variant(FirstParam(p, n).ToString());
    });
    RegisterFunction(QStringLiteral("Integer"), [](TXLSheet*, const Variant* p, int n, Variant& r) {
        r = Variant(FirstParam(p, n).ToInteger());
    });
    RegisterFunction(QStringLiteral("Boolean"), [](TXLSheet*, const Variant* p, int n, Variant& r) {
        r = Variant(FirstParam(p, n).ToBoolean());
    });
    RegisterFunction(QStringLiteral("Currency"), [](TXLSheet*, const Variant* p, int n, Variant& r) {
        r = Variant::FromCurrency(FirstParam(p, n).ToCurrency());
    });
    RegisterFunction(QStringLiteral("DateTime"), [](TXLSheet*, const Variant* p, int n, Variant& r) {
        r = Variant::FromDateTime(FirstParam(p, n).ToDateTime());
    });
    RegisterFunction(QStringLiteral("Double"), [](TXLSheet*, const Variant* p, int n, Variant& r) {
        r = Variant(FirstParam(p, n).ToDouble());
    });
}

const TXLManager::TClassEntry* TXLManager::EntryOf(const TXLCellClass* cellClass) const
{
    if (!cellClass)
        return nullptr;
    for (const TClassEntry& entry : FClasses)
        if (entry.Class == cellClass)
            return &entry;
    return nullptr;
}

TXLManager::TClassEntry* TXLManager::EntryOf(const TXLCellClass* cellClass)
{
    return const_cast<TClassEntry*>(std::as_const(*this).EntryOf(cellClass));
}

void TXLManager::RegisterCellClasses(std::initializer_list<const TXLCellClass*> classes)
{
    for (const TXLCellClass* cellClass : classes)
        EnsureCellClass(cellClass);
}

void TXLManager::RegisterClasses(std::initializer_list<const TXLCellClass*> cellClasses,
                                 std::initializer_list<const TXLEditClass*> editClasses)
{
    for (const TXLCellClass* cellClass : cellClasses) {
        if (EnsureCellClass(cellClass) < 0)
            continue;
        TClassEntry* entry = EntryOf(cellClass);
        for (const TXLEditClass* editClass : editClasses)
            if (editClass && std::find(entry->Editors.begin(), entry->Editors.end(), editClass) == entry->Editors.end())
                entry->Editors.push_back(editClass);
    }
}

void TXLManager::UnregisterCellClasses(std::initializer_list<const TXLCellClass*> classes)
{
    for (const TXLCellClass* cellClass : classes)
        std::erase_if(FClasses, [cellClass](const TClassEntry& e) { return e.Class == cellClass; });
}

void TXLManager::UnregisterEditClasses(std::initializer_list<const TXLEditClass*> editClasses)
{
    for (TClassEntry& entry : FClasses)
        for (const TXLEditClass* editClass : editClasses)
            std::erase(entry.Editors, editClass);
}

const TXLCellClass* TXLManager::GetCellClass(int i) const
{
    return i >= 0 && i < GetCellClassCount() ? FClasses[static_cast<size_t>(i)].Class : nullptr;
}

int TXLManager::IndexOfCellClass(const TXLCellClass* cellClass) const
{
    for (size_t i = 0; i < FClasses.size(); ++i)
        if (FClasses[i].Class == cellClass)
            return static_cast<int>(i);
    return -1;
}

int TXLManager::EnsureCellClass(const TXLCellClass* cellClass)
{
    if (!cellClass)
        return -1;
    const int index = IndexOfCellClass(cellClass);
    if (index >= 0)
        return index;
    FClasses.push_back({cellClass, {}, {}});
    return GetCellClassCount() - 1;
}

int TXLManager::GetEditClassCount(const TXLCellClass* cellClass) const
{
    const TClassEntry* entry = EntryOf(cellClass);
    return entry ? static_cast<int>(entry->Editors.size()) : 0;
}

const TXLEditClass* TXLManager::GetEditClass(const TXLCellClass* cellClass, int i) const
{
    const TClassEntry* entry = EntryOf(cellClass);
    if (!entry || i < 0 || i >= static_cast<int>(entry->Editors.size()))
        return nullptr;
    return entry->Editors[static_cast<size_t>(i)];
}

int TXLManager::FindEditClass(const TXLCellClass* cellClass, const TXLEditClass* editClass) const
{
    const TClassEntry* entry = EntryOf(cellClass);
    if (!entry || !editClass)
        return -1;
    const auto it = std::find(entry->Editors.begin(), entry->Editors.end(), editClass);
    return it == entry->Editors.end() ? -1 : static_cast<int>(it - entry->Editors.begin());
}

const QStringList* TXLManager::GetFormats(const TXLCellClass* cellClass) const
{
    const TClassEntry* entry = EntryOf(cellClass);
    return entry ? &entry->Formats : nullptr;
}

void TXLManager::SetFormats(const TXLCellClass* cellClass, const QStringList& formats)
{
    if (TClassEntry* entry = EntryOf(cellClass))
        entry->Formats = formats;
}

int TXLManager::HashCodeOf(const TXLCellClass* cellClass)
{
    if (!cellClass)
        return 0;
    int sum = 0;
    for (const QChar c : cellClass->Name)
        sum += c.unicode();
    return sum;
}

const TXLCellClass* TXLManager::FindClassBy(int hash) const
{
    for (const TClassEntry& entry : FClasses)
        if (HashCodeOf(entry.Class) == hash)
            return entry.Class;
    return nullptr;
}

void TXLManager::RegisterFunction(const QString& name, TXLFunctionProc handler)
{
    if (!FFunctions.try_emplace(name.toUpper(), std::move(handler)).second)
        throw EStringListError("List does not allow duplicates");
}

void TXLManager::RegisterVariable(const QString& name, TXLVariableProc handler)
{
    if (!FVariables.try_emplace(name.toUpper(), std::move(handler)).second)
        throw EStringListError("List does not allow duplicates");
}

void TXLManager::UnregisterFunction(const QString& name)
{
    FFunctions.erase(name.toUpper());
}

void TXLManager::UnregisterVariable(const QString& name)
{
    FVariables.erase(name.toUpper());
}

bool TXLManager::CalcFunction(TXLSheet* sheet, const QString& name, const Variant* params, int count,
                              Variant& result) const
{
    if (const auto it = FFunctions.find(name.toUpper()); it != FFunctions.end()) {
        it->second(sheet, params, count, result);
        return true;
    }
    if (!sheet)
        return false;
    // Null marks "unresolved": an unassigned result (an empty cell) resolves.
    result = Variant::Null();
    if (sheet->OnFunction)
        sheet->OnFunction(sheet, name, params, count, result);
    if (result.IsNull())
        sheet->DefFunction(name, params, count, result);
    return !result.IsNull();
}

bool TXLManager::CalcVariable(TXLSheet* sheet, const QString& name, Variant& result) const
{
    if (const auto it = FVariables.find(name.toUpper()); it != FVariables.end()) {
        it->second(sheet, result);
        return true;
    }
    if (!sheet)
        return false;
    result = Variant::Null();
    if (sheet->OnVariable)
        sheet->OnVariable(sheet, name, result);
    if (result.IsNull())
        sheet->DefVariable(name, result);
    return !result.IsNull();
}

QObject* TXLManager::GetActiveGrid() const
{
    return FActiveComponent && FActiveComponent->inherits("TRAVazo") ? FActiveComponent : nullptr;
}

IXLSheetUser* TXLManager::GetActiveUser() const
{
    return dynamic_cast<IXLSheetUser*>(FActiveComponent);
}

TXLSheet* TXLManager::GetActiveSheet() const
{
    if (!FActiveComponent)
        return nullptr;
    // A grid answers GetActiveSheet with its Sheet, so one path serves both.
    IXLSheetUser* user = GetActiveUser();
    return user ? user->GetActiveSheet() : nullptr;
}

void TXLManager::RegisterSheet(TXLSheet* sheet)
{
    if (sheet && std::find(FSheets.begin(), FSheets.end(), sheet) == FSheets.end())
        FSheets.push_back(sheet);
}

void TXLManager::UnregisterSheet(TXLSheet* sheet)
{
    std::erase(FSheets, sheet);
}

TXLSheet* TXLManager::GetSheet(int i) const
{
    return i >= 0 && i < GetSheetCount() ? FSheets[static_cast<size_t>(i)] : nullptr;
}

void TXLManager::SetPrinterMetrics(std::unique_ptr<IXLPrinterMetrics> metrics)
{
    FMetrics = std::move(metrics);
    SetPrinter();
}

int TXLManager::GetScreenPixelsPerInch() const
{
    const int ppi = FMetrics ? FMetrics->ScreenPixelsPerInch() : 0;
    return ppi > 0 ? ppi : DefaultScreenPixelsPerInch;
}

void TXLManager::SetPrinter()
{
    int width = DefaultPageWidth;
    int height = DefaultPageHeight;
    FPrinterDpiX = DefaultPrinterDpi;
    FPrinterDpiY = DefaultPrinterDpi;
    if (FMetrics && FMetrics->PrinterInstalled()) {
        FPrinterDpiX = FMetrics->PrinterDpiX();
        FPrinterDpiY = FMetrics->PrinterDpiY();
        width = FMetrics->PageWidth();
        height = FMetrics->PageHeight();
    }
    // A printer that reports no resolution would divide by zero below.
    if (FPrinterDpiX <= 0)
        FPrinterDpiX = DefaultPrinterDpi;
    if (FPrinterDpiY <= 0)
        FPrinterDpiY = DefaultPrinterDpi;
    const int ppi = GetScreenPixelsPerInch();
    FPageRect = Rect(0, 0, static_cast<int>(static_cast<int64_t>(width) * ppi / FPrinterDpiX),
                     static_cast<int>(static_cast<int64_t>(height) * ppi / FPrinterDpiY));
    for (TXLSheet* sheet : std::vector<TXLSheet*>(FSheets))
        sheet->UpdatePrintLayout();
}

TXLManager& XLManager()
{
    if (ManagerDestroyed())
        throw ERAVazoError("XLManager has been already destroyed!");
    std::unique_ptr<TXLManager>& instance = ManagerInstance();
    if (!instance) {
        instance = std::make_unique<TXLManager>();
        XLRegisterCellClasses(*instance);
    }
    return *instance;
}

void XLFinalizeManager()
{
    ManagerDestroyed() = true;
    ManagerInstance().reset();
}

TXLManager* XLManagerIfAlive()
{
    return ManagerInstance().get();
}
