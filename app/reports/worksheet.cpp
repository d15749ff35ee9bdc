#include "reports/worksheet.h"

#include <charconv>
#include <cmath>

#include "reports/shared_strings.h"
#include "reports/sheet_text.h"
#include "reports/xml_part.h"

namespace kovu3 {
namespace {

// The children of <worksheet>, and of <sheetView>, in the order the schema requires.
constexpr std::string_view kWorksheetOrder[] = {
    "sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols", "sheetData", "sheetCalcPr",
    "sheetProtection", "protectedRanges", "scenarios", "autoFilter", "sortState",
    "dataConsolidate", "customSheetViews", "mergeCells", "phoneticPr", "conditionalFormatting",
    "dataValidations", "hyperlinks", "printOptions", "pageMargins", "pageSetup", "headerFooter",
    "rowBreaks", "colBreaks", "customProperties", "cellWatches", "ignoredErrors", "smartTags",
    "drawing", "legacyDrawing", "legacyDrawingHF", "drawingHF", "picture", "oleObjects",
    "controls", "webPublishItems", "tableParts", "extLst"};
constexpr std::string_view kSheetViewOrder[] = {"pane", "selection", "pivotSelection", "extLst"};

pugi::xml_node WorksheetChild(pugi::xml_node root, const char* name) {
    return ChildInSchemaOrder(root, name, kWorksheetOrder);
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    int value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsTrue(const pugi::xml_attribute& attribute) {
    std::string_view value = attribute.value();
    return value == "1" || value == "true";
}

void SetAttribute(pugi::xml_node node, const char* name, const char* value) {
    AttributeOf(node, name).set_value(value);
}

}  // namespace

Worksheet::Loaded Worksheet::Parse(std::string name, std::string partName, std::string_view bytes,
                                   const SharedStrings* sharedStrings) {
    std::unique_ptr<Worksheet> sheet(new Worksheet);
    sheet->name_ = std::move(name);
    sheet->partName_ = std::move(partName);
    sheet->sharedStrings_ = sharedStrings;
    std::string error = ParseXmlPart(sheet->document_, bytes);
    if (error.empty()) error = sheet->BuildIndex();
    if (!error.empty()) return {nullptr, error};
    return {std::move(sheet), {}};
}

std::string Worksheet::BuildIndex() {
    pugi::xml_node root = document_.document_element();
    if (std::string_view(root.name()) != "worksheet") {
        return std::string("is not a worksheet: its root element is <") + root.name() + ">";
    }
    sheetData_ = WorksheetChild(root, "sheetData");
    for (pugi::xml_node column : root.child("cols").children("col")) {
        std::string style = column.attribute("style").value();
        if (style.empty() || style == "0") continue;
        columnStyles_.push_back(
            ColumnStyle{column.attribute("min").as_int(), column.attribute("max").as_int(), style});
    }
    // Rows and cells are indexed in file order. Each must come after the ones before it;
    // a file written out of order is put in order, as the spreadsheet requires it.
    int lastRow = 0;
    for (pugi::xml_node row = sheetData_.child("row"); row;) {
        pugi::xml_node nextRow = row.next_sibling("row");
        std::optional<int> number = ParseWholeNumber(row.attribute("r").value());
        if (!number) {
            number = lastRow + 1;  // a row without a number follows the one before it
            SetAttribute(row, "r", std::to_string(*number).c_str());
        }
        if (*number < 1 || *number > kMaxSheetRow) {
            return "has a row numbered " + std::to_string(*number);
        }
        auto [entry, added] = rows_.try_emplace(*number, RowEntry{row, {}});
        if (!added) return "has row " + std::to_string(*number) + " twice";
        if (auto after = std::next(entry); after != rows_.end()) {
            sheetData_.insert_move_before(row, after->second.node);
        }
        lastRow = *number;

        int lastColumn = 0;
        for (pugi::xml_node cell = row.child("c"); cell;) {
            pugi::xml_node nextCell = cell.next_sibling("c");
            std::string_view reference = cell.attribute("r").value();
            int column = lastColumn + 1;
            if (!reference.empty()) {
                std::optional<CellPosition> position = ParseCellReference(reference);
                if (!position) return "has a cell named \"" + std::string(reference) + "\"";
                column = position->column;
            }
            if (column > kMaxSheetColumn) return "has a cell beyond the last column";
            std::string expected = CellReference(*number, column);
            if (reference != expected) SetAttribute(cell, "r", expected.c_str());
            auto [cellEntry, cellAdded] = entry->second.cells.try_emplace(column, cell);
            if (!cellAdded) return "has cell " + expected + " twice";
            if (auto after = std::next(cellEntry); after != entry->second.cells.end()) {
                row.insert_move_before(cell, after->second);
            }
            lastColumn = column;
            cell = nextCell;
        }
        row = nextRow;
    }
    return {};
}

pugi::xml_node Worksheet::FindCell(int row, int column) const {
    auto rowEntry = rows_.find(row);
    if (rowEntry == rows_.end()) return {};
    auto cell = rowEntry->second.cells.find(column);
    return cell == rowEntry->second.cells.end() ? pugi::xml_node() : cell->second;
}

std::string Worksheet::NewCellStyle(const RowEntry& row, int column) const {
    if (IsTrue(row.node.attribute("customFormat"))) return row.node.attribute("s").value();
    for (const ColumnStyle& style : columnStyles_) {
        if (column >= style.first && column <= style.last) return style.style;
    }
    return {};
}

pugi::xml_node Worksheet::CellForWriting(int row, int column) {
    modified_ = true;
    auto [rowEntry, rowAdded] = rows_.try_emplace(row);
    RowEntry& entry = rowEntry->second;
    if (rowAdded) {
        auto after = std::next(rowEntry);
        entry.node = after != rows_.end()
                         ? sheetData_.insert_child_before("row", after->second.node)
                         : sheetData_.append_child("row");
        entry.node.append_attribute("r").set_value(row);
    }
    auto [cellEntry, cellAdded] = entry.cells.try_emplace(column);
    if (cellAdded) {
        auto after = std::next(cellEntry);
        pugi::xml_node before =
            after != entry.cells.end() ? after->second : entry.node.child("extLst");
        pugi::xml_node cell =
            before ? entry.node.insert_child_before("c", before) : entry.node.append_child("c");
        cell.append_attribute("r").set_value(CellReference(row, column).c_str());
        std::string style = NewCellStyle(entry, column);
        if (!style.empty()) cell.append_attribute("s").set_value(style.c_str());
        cellEntry->second = cell;
        cellsAdded_ = true;
    }
    return cellEntry->second;
}

void Worksheet::DetachSharedFormula(pugi::xml_node master) {
    pugi::xml_node formula = master.child("f");
    if (std::string_view(formula.attribute("t").value()) != "shared") return;
    std::string_view range = formula.attribute("ref").value();
    if (range.empty()) return;  // a cell that only uses the formula: nothing depends on it
    size_t colon = range.find(':');
    auto first = ParseCellReference(range.substr(0, colon));
    auto last =
        colon == std::string_view::npos ? first : ParseCellReference(range.substr(colon + 1));
    if (!first || !last) return;
    // The other cells of the group hold no formula text of their own; without the master
    // they would name a formula that no longer exists. They keep their values.
    std::string_view group = formula.attribute("si").value();
    for (auto row = rows_.lower_bound(first->row); row != rows_.end() && row->first <= last->row;
         ++row) {
        auto& cells = row->second.cells;
        for (auto cell = cells.lower_bound(first->column);
             cell != cells.end() && cell->first <= last->column; ++cell) {
            pugi::xml_node dependent = cell->second.child("f");
            if (cell->second != master && dependent &&
                std::string_view(dependent.attribute("t").value()) == "shared" &&
                group == dependent.attribute("si").value()) {
                cell->second.remove_child(dependent);
            }
        }
    }
}

void Worksheet::ResetCell(pugi::xml_node cell) {
    DetachSharedFormula(cell);
    for (pugi::xml_node child = cell.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        std::string_view name = child.name();
        if (name == "f" || name == "v" || name == "is") cell.remove_child(child);
        child = next;
    }
    cell.remove_attribute("t");
    cell.remove_attribute("cm");  // metadata of the formula or value just removed
    cell.remove_attribute("vm");
}

pugi::xml_node Worksheet::AddValueChild(pugi::xml_node cell, const char* name) {
    if (pugi::xml_node extension = cell.child("extLst")) {
        return cell.insert_child_before(name, extension);
    }
    return cell.append_child(name);
}

bool Worksheet::SetValue(int row, int column, std::string_view entry) {
    if (!entry.empty() && entry.front() == '\'') return SetText(row, column, entry.substr(1));
    if (entry.empty()) return Clear(row, column);
    if (std::optional<double> number = ParseSheetNumber(entry)) {
        return SetNumber(row, column, *number);
    }
    return SetText(row, column, entry);
}

bool Worksheet::SetText(int row, int column, std::string_view text) {
    if (!IsOnSheet(row, column)) return false;
    pugi::xml_node cell = CellForWriting(row, column);
    ResetCell(cell);
    cell.append_attribute("t").set_value("inlineStr");
    pugi::xml_node content = AddValueChild(cell, "is").append_child("t");
    content.append_attribute("xml:space").set_value("preserve");
    content.text().set(EncodeSheetText(text).c_str());
    return true;
}

bool Worksheet::SetNumber(int row, int column, double value) {
    if (!IsOnSheet(row, column)) return false;
    pugi::xml_node cell = CellForWriting(row, column);
    ResetCell(cell);
    if (!std::isfinite(value)) {
        cell.append_attribute("t").set_value("e");
        AddValueChild(cell, "v").text().set("#NUM!");
        return true;
    }
    AddValueChild(cell, "v").text().set(FormatSheetNumber(value).c_str());
    return true;
}

bool Worksheet::SetFormula(int row, int column, std::string_view formula, double value) {
    if (!SetNumber(row, column, value)) return false;
    if (!formula.empty() && formula.front() == '=') formula.remove_prefix(1);
    pugi::xml_node cell = FindCell(row, column);
    pugi::xml_node text = cell.child("v");
    cell.insert_child_before("f", text).text().set(std::string(formula).c_str());
    return true;
}

bool Worksheet::SetFormulaWithText(int row, int column, std::string_view formula,
                                   std::string_view value) {
    if (!IsOnSheet(row, column)) return false;
    if (!formula.empty() && formula.front() == '=') formula.remove_prefix(1);
    pugi::xml_node cell = CellForWriting(row, column);
    ResetCell(cell);
    cell.append_attribute("t").set_value("str");
    AddValueChild(cell, "f").text().set(std::string(formula).c_str());
    AddValueChild(cell, "v").text().set(EncodeSheetText(value).c_str());
    return true;
}

bool Worksheet::Clear(int row, int column) {
    if (!IsOnSheet(row, column)) return false;
    if (pugi::xml_node cell = FindCell(row, column)) {
        ResetCell(cell);
        modified_ = true;
    }
    return true;
}

CellValue Worksheet::Get(int row, int column) const {
    CellValue value;
    pugi::xml_node cell = FindCell(row, column);
    if (!cell) return value;
    value.formula = cell.child("f").child_value();
    std::string_view type = cell.attribute("t").value();
    pugi::xml_node stored = cell.child("v");
    std::string_view text = stored.child_value();
    if (type == "inlineStr") {
        value.kind = CellKind::Text;
        value.text = StringItemText(cell.child("is"));
    } else if (!stored) {
        // no value: an empty cell, or a formula not yet computed
    } else if (type == "s") {
        std::optional<int> index = ParseWholeNumber(text);
        const std::string* shared =
            index && sharedStrings_ ? sharedStrings_->At(static_cast<size_t>(*index)) : nullptr;
        value.kind = shared ? CellKind::Text : CellKind::Error;
        value.text = shared ? *shared : "#REF!";
    } else if (type == "str" || type == "d") {
        value.kind = CellKind::Text;
        value.text = DecodeSheetText(text);
    } else if (type == "b") {
        value.kind = CellKind::Boolean;
        value.number = text == "1" || text == "true" ? 1 : 0;
    } else if (type == "e") {
        value.kind = CellKind::Error;
        value.text = text;
    } else if (std::optional<double> number = ParseSheetNumber(text)) {
        value.kind = CellKind::Number;
        value.number = *number;
    } else {
        value.kind = CellKind::Error;
        value.text = "#VALUE!";
    }
    return value;
}

std::optional<Worksheet::Range> Worksheet::UsedRange() const {
    std::optional<Range> range;
    for (const auto& [row, entry] : rows_) {
        if (entry.cells.empty()) continue;
        int first = entry.cells.begin()->first;
        int last = entry.cells.rbegin()->first;
        if (!range) {
            range = Range{{row, first}, {row, last}};
            continue;
        }
        range->first.column = std::min(range->first.column, first);
        range->last.column = std::max(range->last.column, last);
        range->last.row = row;
    }
    return range;
}

void Worksheet::Select(int row, int column) {
    if (!IsOnSheet(row, column)) return;
    selection_ = CellPosition{row, column};
    modified_ = true;
}

pugi::xml_node Worksheet::SheetView(bool create) {
    pugi::xml_node root = document_.document_element();
    pugi::xml_node view = root.child("sheetViews").child("sheetView");
    if (view || !create) return view;
    view = WorksheetChild(root, "sheetViews").append_child("sheetView");
    view.append_attribute("workbookViewId").set_value("0");
    return view;
}

void Worksheet::SetTabSelected(bool selected) {
    pugi::xml_node view = SheetView(selected);
    if (!view || IsTrue(view.attribute("tabSelected")) == selected) return;
    if (selected) {
        SetAttribute(view, "tabSelected", "1");
    } else {
        view.remove_attribute("tabSelected");
    }
    modified_ = true;
}

void Worksheet::UpdateDimension() {
    pugi::xml_node dimension = WorksheetChild(document_.document_element(), "dimension");
    std::optional<Range> range = UsedRange();
    std::string reference = "A1";
    if (range) {
        reference = CellReference(range->first.row, range->first.column);
        if (range->first != range->last) {
            reference += ":" + CellReference(range->last.row, range->last.column);
        }
    }
    SetAttribute(dimension, "ref", reference.c_str());
}

void Worksheet::UpdateSelection() {
    if (!selection_) return;
    pugi::xml_node view = SheetView(true);
    // A sheet with frozen panes keeps one selection per pane; those are left as they are.
    if (view.child("pane")) return;
    while (pugi::xml_node old = view.child("selection")) view.remove_child(old);
    pugi::xml_node selection = ChildInSchemaOrder(view, "selection", kSheetViewOrder);
    std::string cell = CellReference(selection_->row, selection_->column);
    selection.append_attribute("activeCell").set_value(cell.c_str());
    selection.append_attribute("sqref").set_value(cell.c_str());
}

std::string Worksheet::Serialize() {
    // "spans" tells which columns a block of 16 rows uses; it is only a hint, and one that a
    // new cell can make wrong for its whole block, so it goes.
    if (cellsAdded_) {
        for (auto& [number, row] : rows_) row.node.remove_attribute("spans");
    }
    UpdateDimension();
    UpdateSelection();
    return SerializeXmlPart(document_);
}

}  // namespace kovu3
