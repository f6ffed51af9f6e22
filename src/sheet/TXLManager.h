// TXLManager: the process-wide registry of the sheet engine. It knows the
// registered cell classes in order (a class's position is its number), the
// editor classes each accepts and the formats each offers (parallel lists),
// the named functions and variables formulas may call, the living sheets, the
// active component, and the printer page metrics every print layout uses.
// Reached through XLManager(), which creates it on first use together with
// the engine's own cell classes, formats and editors; after XLFinalizeManager
// XLManager() raises. The manager owns its lists and the metrics provider;
// the class descriptors are statics and the sheets register themselves.
#pragma once

#include "base/ERAVazoError.h"
#include "base/Variant.h"
#include "sheet/IXLPrintEngine.h"
#include "sheet/IXLPrinterMetrics.h"
#include "sheet/TXLCellClass.h"
#include "sheet/XLTypes.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

class IXLSheetUser;
class TXLSheet;

// A formula function: params holds count arguments in call order.
using TXLFunctionProc = std::function<void(TXLSheet* ASheet, const Variant* AParams, int ACount, Variant& AResult)>;
using TXLVariableProc = std::function<void(TXLSheet* ASheet, Variant& AResult)>;

class TXLManager {
public:
    // Registers the default functions and reads the printer metrics. The
    // cell classes are registered by XLManager() (see XLRegisterCellClasses).
    TXLManager();
    ~TXLManager();
    TXLManager(const TXLManager&) = delete;
    TXLManager& operator=(const TXLManager&) = delete;

    // Cell classes, with their editor and format lists.
    void RegisterCellClasses(std::initializer_list<const TXLCellClass*> classes);
    void RegisterClasses(std::initializer_list<const TXLCellClass*> cellClasses,
                         std::initializer_list<const TXLEditClass*> editClasses);
    void UnregisterCellClasses(std::initializer_list<const TXLCellClass*> classes);
    void UnregisterEditClasses(std::initializer_list<const TXLEditClass*> editClasses);
    int GetCellClassCount() const { return static_cast<int>(FClasses.size()); }
    // Null when i is out of range.
    const TXLCellClass* GetCellClass(int i) const;
    // The class's number, registering it first when needed; -1 for null.
    int EnsureCellClass(const TXLCellClass* cellClass);
    // The class's number, -1 when it is not registered.
    int IndexOfCellClass(const TXLCellClass* cellClass) const;
    int GetEditClassCount(const TXLCellClass* cellClass) const;
    const TXLEditClass* GetEditClass(const TXLCellClass* cellClass, int i) const;
    int FindEditClass(const TXLCellClass* cellClass, const TXLEditClass* editClass) const;
    // The class's format list; null for an unregistered class.
    const QStringList* GetFormats(const TXLCellClass* cellClass) const;
    // Replaces the format list of a registered class; ignored otherwise.
    void SetFormats(const TXLCellClass* cellClass, const QStringList& formats);

    // The sum of the character codes of the class name; 0 for null.
    static int HashCodeOf(const TXLCellClass* cellClass);
    // The first registered class whose HashCodeOf equals hash, or null.
    const TXLCellClass* FindClassBy(int hash) const;

    // Functions and variables by upper-cased name. Registering a name twice
    // raises EStringListError.
    void RegisterFunction(const QString& name, TXLFunctionProc handler);
    void RegisterVariable(const QString& name, TXLVariableProc handler);
    void UnregisterFunction(const QString& name);
    void UnregisterVariable(const QString& name);
    // Resolves a function: the registered handler, else (with a sheet) the
    // sheet's OnFunction and then its DefFunction. True when resolved.
    bool CalcFunction(TXLSheet* sheet, const QString& name, const Variant* params, int count, Variant& result) const;
    bool CalcVariable(TXLSheet* sheet, const QString& name, Variant& result) const;

    // The component that last took the focus (a grid, or any object that
    // shows sheets); remembered as is.
    void SetActiveComponent(QObject* component) { FActiveComponent = component; }
    QObject* GetActiveComponent() const { return FActiveComponent; }
    // The active component when it is a grid (class "TRAVazo"), else null.
    QObject* GetActiveGrid() const;
    IXLSheetUser* GetActiveUser() const;
    TXLSheet* GetActiveSheet() const;

    // Living sheets in order of construction (sheets add and remove themselves).
    void RegisterSheet(TXLSheet* sheet);
    void UnregisterSheet(TXLSheet* sheet);
    int GetSheetCount() const { return static_cast<int>(FSheets.size()); }
    TXLSheet* GetSheet(int i) const;

    // Printer metrics. SetPrinterMetrics installs a provider (null: none)
    // and runs SetPrinter.
    void SetPrinterMetrics(std::unique_ptr<IXLPrinterMetrics> metrics);
    // Rereads the printer metrics, converts the page to screen pixels and
    // lets every sheet recompute its print layout.
    void SetPrinter();
    // (0, 0, width, height) of the printable page in screen pixels.
    TRect GetPageRect() const { return FPageRect; }
    int GetPrinterDpiX() const { return FPrinterDpiX; }
    int GetPrinterDpiY() const { return FPrinterDpiY; }
    int GetScreenPixelsPerInch() const;
    // The printer and page painter sheets print through (null: none).
    void SetPrintEngine(std::unique_ptr<IXLPrintEngine> engine) { FPrintEngine = std::move(engine); }
    IXLPrintEngine* GetPrintEngine() const { return FPrintEngine.get(); }

private:
    struct TClassEntry {
        const TXLCellClass* Class = nullptr;
        std::vector<const TXLEditClass*> Editors;
        QStringList Formats;
    };

    const TClassEntry* EntryOf(const TXLCellClass* cellClass) const;
    TClassEntry* EntryOf(const TXLCellClass* cellClass);
    void RegisterDefaultFunctions();

    std::vector<TClassEntry> FClasses;
    std::map<QString, TXLFunctionProc> FFunctions;
    std::map<QString, TXLVariableProc> FVariables;
    std::vector<TXLSheet*> FSheets;
    QObject* FActiveComponent = nullptr;
    std::unique_ptr<IXLPrinterMetrics> FMetrics;
    std::unique_ptr<IXLPrintEngine> FPrintEngine;
    TRect FPageRect;
    int FPrinterDpiX = 0;
    int FPrinterDpiY = 0;
};

// The process-wide manager, created on the first call with the engine's cell
// classes registered. Raises ERAVazoError "XLManager has been already
// destroyed!" after XLFinalizeManager.
TXLManager& XLManager();
// Destroys the process-wide manager (the end of the engine's life).
void XLFinalizeManager();
// The manager when it exists, else null; never creates or raises (for
// destructors that run at any time).
TXLManager* XLManagerIfAlive();

// Registers the engine's cell classes with their formats and editors, in
// their fixed order; a second call changes nothing.
void XLRegisterCellClasses(TXLManager& manager);

// The sorted name lists reject a second entry of the same name.
class EStringListError : public EBaseError {
public:
    explicit EStringListError(const std::string& message) : EBaseError(message) {}
};
