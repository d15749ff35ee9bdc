#pragma once
// One worksheet of a workbook: its XML kept as parsed, with an index of rows and cells so
// that setting or reading a cell never searches the sheet. Rows and cells stay in sheet
// order; a cell keeps its style when its value is set, and a new cell takes the style of
// its row or column as the spreadsheet gives it.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "reports/cell_reference.h"
#include "reports/cell_value.h"

namespace kovu3 {

class SharedStrings;

class Worksheet final {
public:
    struct Loaded {
        std::unique_ptr<Worksheet> sheet;
        std::string error;  // what is wrong with the sheet part when `sheet` is empty
    };
    // `sharedStrings` may be null; it must outlive the sheet.
    static Loaded Parse(std::string name, std::string partName, std::string_view bytes,
                        const SharedStrings* sharedStrings);

    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& PartName() const { return partName_; }

    // Setters return false, and change nothing, for a position off the sheet.

    // Takes the entry as the spreadsheet takes a typed entry: a leading apostrophe makes
    // the rest a text; a number (blanks around it allowed, "." as decimal point) becomes a
    // number; an empty entry empties the cell; anything else is a text.
    bool SetValue(int row, int column, std::string_view entry);
    bool SetText(int row, int column, std::string_view text);
    // A number that is not finite is written as the error "#NUM!".
    bool SetNumber(int row, int column, double value);
    // A formula (with or without the leading "=") together with the value it computes, so
    // that the value is there before the spreadsheet recalculates.
    bool SetFormula(int row, int column, std::string_view formula, double value);
    bool SetFormulaWithText(int row, int column, std::string_view formula, std::string_view value);
    // Empties the cell; its style stays.
    bool Clear(int row, int column);

    CellValue Get(int row, int column) const;

    struct Range {
        CellPosition first;
        CellPosition last;
    };
    // The rectangle of all cells present, styled blanks included; nullopt for an empty sheet.
    std::optional<Range> UsedRange() const;

    // The cell the sheet shows selected when it is opened.
    void Select(int row, int column);
    // Whether the sheet's tab is selected (only the active sheet's should be).
    void SetTabSelected(bool selected);

    // True once anything was changed since the sheet was read.
    bool Modified() const { return modified_; }
    // The sheet part's bytes, with its <dimension> and view brought up to date.
    std::string Serialize();

private:
    struct RowEntry {
        pugi::xml_node node;
        std::map<int, pugi::xml_node> cells;  // column -> <c>
    };
    struct ColumnStyle {
        int first = 0;
        int last = 0;
        std::string style;
    };

    Worksheet() = default;
    std::string BuildIndex();
    pugi::xml_node FindCell(int row, int column) const;
    pugi::xml_node CellForWriting(int row, int column);
    std::string NewCellStyle(const RowEntry& row, int column) const;
    void ResetCell(pugi::xml_node cell);
    void DetachSharedFormula(pugi::xml_node master);
    pugi::xml_node AddValueChild(pugi::xml_node cell, const char* name);
    pugi::xml_node SheetView(bool create);
    void UpdateDimension();
    void UpdateSelection();

    std::string name_;
    std::string partName_;
    const SharedStrings* sharedStrings_ = nullptr;
    pugi::xml_document document_;
    pugi::xml_node sheetData_;
    std::map<int, RowEntry> rows_;
    std::vector<ColumnStyle> columnStyles_;
    std::optional<CellPosition> selection_;
    bool modified_ = false;
    bool cellsAdded_ = false;
};

}  // namespace kovu3
