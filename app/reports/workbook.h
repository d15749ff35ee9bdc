#pragma once
// A workbook file (.xlsx) as the report windows use it: opened from a copy of a template,
// sheets addressed by number or name, cells set and read through the sheets, the
// workbook's macros run by name, and everything written on Save or Quit. Nothing is written
// before that, so a run that stops half-way leaves no half-filled workbook behind, and the
// file is replaced in one rename, so a failed save leaves the old file whole.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "reports/worksheet.h"

namespace kovu3 {

class SharedStrings;
class XlsxPackage;
class Workbook;

// A macro does its work on the workbook and returns an empty text, or what went wrong.
using WorkbookMacro = std::function<std::string(Workbook&)>;
using MacroSet = std::vector<std::pair<std::string, WorkbookMacro>>;

class Workbook final {
public:
    struct Opened {
        std::unique_ptr<Workbook> workbook;
        std::string error;  // names the file and what is wrong when `workbook` is empty
    };
    // Reads the template; the workbook will be saved as `workbookPath`. A missing or damaged
    // template gives an error and writes nothing.
    static Opened OpenTemplateCopy(const std::filesystem::path& templatePath,
                                   const std::filesystem::path& workbookPath);
    // Opens a workbook to be saved in its own place.
    static Opened Open(const std::filesystem::path& path);

    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // False after Quit.
    bool IsOpen() const { return open_; }

    // Sheets in the order of their tabs, numbered from 1 as the spreadsheet numbers them.
    int SheetCount() const { return static_cast<int>(sheets_.size()); }
    std::string SheetName(int number) const;  // empty when there is no such sheet
    // nullptr when there is no such sheet, or when it holds no cells (a chart sheet).
    Worksheet* Sheet(int number);
    Worksheet* Sheet(std::string_view name);  // names match ignoring ASCII letter case

    // The macros that Run finds by name (ignoring letter case).
    void SetMacros(MacroSet macros) { macros_ = std::move(macros); }
    // Runs a macro; an unknown name is an error the caller sees, nothing is done then.
    std::string Run(std::string_view macroName);

    // The part of the sheet that is printed, and the rows printed atop every page.
    void SetPrintArea(const Worksheet& sheet, CellPosition first, CellPosition last);
    void SetPrintTitleRows(const Worksheet& sheet, int firstRow, int lastRow);
    // Makes the sheet the one shown on opening, with its tab the only one selected.
    void ActivateSheet(int number);

    // Writes the workbook; an empty text on success, else what went wrong.
    std::string Save();
    // Saves and closes the workbook; returns what Save returns.
    std::string Quit();

private:
    struct SheetEntry {
        std::string name;
        std::unique_ptr<Worksheet> sheet;  // null for chart and dialog sheets
    };

    Workbook();
    static Opened Load(const std::filesystem::path& source, std::string_view what,
                       const std::filesystem::path& target);
    std::string ReadPackage(std::string_view what);
    int SheetIndex(const Worksheet& sheet) const;
    void SetDefinedName(std::string_view name, int sheetIndex, const std::string& value);
    void RemoveCalculationChain();

    std::filesystem::path path_;
    bool open_ = true;
    std::unique_ptr<XlsxPackage> package_;
    std::string workbookPart_;
    pugi::xml_document workbookXml_;
    pugi::xml_document relationshipsXml_;
    std::unique_ptr<SharedStrings> sharedStrings_;
    std::vector<SheetEntry> sheets_;
    MacroSet macros_;
};

}  // namespace kovu3
