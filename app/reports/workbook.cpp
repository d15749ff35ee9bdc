#include "reports/workbook.h"

#include <system_error>

#include "reports/shared_strings.h"
#include "reports/xlsx_package.h"
#include "reports/xlsx_relationships.h"
#include "reports/xml_part.h"
#include "shell/file_io.h"

namespace kovu3 {
namespace {

constexpr std::string_view kContentTypesPart = "[Content_Types].xml";
constexpr std::string_view kCalcChainContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml";

// The children of <workbook> in the order the schema requires.
constexpr std::string_view kWorkbookOrder[] = {
    "fileVersion", "fileSharing", "workbookPr", "workbookProtection", "bookViews", "sheets",
    "functionGroups", "externalReferences", "definedNames", "calcPr", "oleSize",
    "customWorkbookViews", "pivotCaches", "smartTagPr", "smartTagTypes", "webPublishing",
    "fileRecoveryPr", "webPublishObjects", "extLst"};

pugi::xml_node WorkbookChild(pugi::xml_node root, const char* name) {
    return ChildInSchemaOrder(root, name, kWorkbookOrder);
}

// The relationship id of a <sheet>: its "r:id", whatever prefix the file gives that namespace.
std::string_view SheetRelationshipId(pugi::xml_node sheet) {
    for (pugi::xml_attribute attribute : sheet.attributes()) {
        std::string_view name = attribute.name();
        if (name.size() > 3 && name.ends_with(":id")) return attribute.value();
    }
    return {};
}

// A sheet name as formulas and defined names write it: in quotes, quotes doubled.
std::string QuotedSheetName(std::string_view name) {
    std::string quoted = "'";
    for (char c : name) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

}  // namespace

Workbook::Workbook() = default;
Workbook::~Workbook() = default;

Workbook::Opened Workbook::OpenTemplateCopy(const std::filesystem::path& templatePath,
                                            const std::filesystem::path& workbookPath) {
    return Load(templatePath, "template", workbookPath);
}

Workbook::Opened Workbook::Open(const std::filesystem::path& path) {
    return Load(path, "workbook", path);
}

Workbook::Opened Workbook::Load(const std::filesystem::path& source, std::string_view what,
                                const std::filesystem::path& target) {
    std::string prefix = "Cannot open the " + std::string(what) + " " + source.string() + ": ";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(source, ec)) {
        return {nullptr, prefix + (std::filesystem::exists(source, ec) ? "it is not a file"
                                                                       : "there is no such file")};
    }
    std::optional<std::string> bytes = ReadWholeFile(source);
    if (!bytes) return {nullptr, prefix + "it cannot be read"};
    XlsxPackage::Opened opened = XlsxPackage::FromBytes(std::move(*bytes));
    if (!opened.package) {
        return {nullptr, prefix + "it is not a workbook (.xlsx) or is damaged: " + opened.error};
    }
    std::unique_ptr<Workbook> workbook(new Workbook);
    workbook->package_ = std::move(opened.package);
    workbook->path_ = target;
    std::string error = workbook->ReadPackage(what);
    if (!error.empty()) return {nullptr, prefix + error};
    return {std::move(workbook), {}};
}

std::string Workbook::ReadPackage(std::string_view what) {
    auto parsePart = [&](std::string_view name, pugi::xml_document& document) -> std::string {
        XlsxPackage::PartBytes part = package_->Read(name);
        if (!part.error.empty()) return part.error;
        std::string error = ParseXmlPart(document, part.bytes);
        if (!error.empty()) return "the part " + std::string(name) + " is damaged: " + error;
        return {};
    };

    // The package's own relationships name the workbook part.
    pugi::xml_document packageRelationships;
    if (std::string error = parsePart("_rels/.rels", packageRelationships); !error.empty()) {
        return error;
    }
    for (const Relationship& relationship : ReadRelationships(packageRelationships)) {
        if (HasRelationshipKind(relationship, "officeDocument") && !relationship.external) {
            workbookPart_ = ResolveRelationshipTarget("", relationship.target);
            break;
        }
    }
    std::optional<std::string> stored = package_->FindPart(workbookPart_);
    if (!stored) return "the " + std::string(what) + " names no workbook part";
    workbookPart_ = *stored;
    if (std::string error = parsePart(workbookPart_, workbookXml_); !error.empty()) return error;
    if (std::string_view(workbookXml_.document_element().name()) != "workbook") {
        return "the part " + workbookPart_ + " is not a workbook: its root element is <" +
               workbookXml_.document_element().name() + ">";
    }
    std::string relationshipsPart = RelationshipsPartName(workbookPart_);
    if (std::string error = parsePart(relationshipsPart, relationshipsXml_); !error.empty()) {
        return error;
    }
    std::vector<Relationship> relationships = ReadRelationships(relationshipsXml_);

    sharedStrings_ = std::make_unique<SharedStrings>();
    for (const Relationship& relationship : relationships) {
        if (!HasRelationshipKind(relationship, "sharedStrings") || relationship.external) continue;
        pugi::xml_document table;
        std::string part = ResolveRelationshipTarget(workbookPart_, relationship.target);
        if (std::string error = parsePart(part, table); !error.empty()) return error;
        sharedStrings_ = std::make_unique<SharedStrings>(table);
    }

    for (pugi::xml_node sheet : workbookXml_.document_element().child("sheets").children("sheet")) {
        std::string name = sheet.attribute("name").value();
        std::string_view id = SheetRelationshipId(sheet);
        const Relationship* found = nullptr;
        for (const Relationship& relationship : relationships) {
            if (relationship.id == id) found = &relationship;
        }
        if (!found) return "the sheet \"" + name + "\" names no part";
        SheetEntry entry{name, nullptr};
        if (HasRelationshipKind(*found, "worksheet")) {
            std::string part = ResolveRelationshipTarget(workbookPart_, found->target);
            XlsxPackage::PartBytes bytes = package_->Read(part);
            if (!bytes.error.empty()) return "the sheet \"" + name + "\": " + bytes.error;
            Worksheet::Loaded loaded = Worksheet::Parse(name, *package_->FindPart(part),
                                                        bytes.bytes, sharedStrings_.get());
            if (!loaded.sheet) {
                return "the sheet \"" + name + "\" (" + part + ") " + loaded.error;
            }
            entry.sheet = std::move(loaded.sheet);
        }
        sheets_.push_back(std::move(entry));
    }
    if (sheets_.empty()) return "the " + std::string(what) + " has no sheets";
    return {};
}

std::string Workbook::SheetName(int number) const {
    if (number < 1 || number > SheetCount()) return {};
    return sheets_[static_cast<size_t>(number - 1)].name;
}

Worksheet* Workbook::Sheet(int number) {
    if (!open_ || number < 1 || number > SheetCount()) return nullptr;
    return sheets_[static_cast<size_t>(number - 1)].sheet.get();
}

Worksheet* Workbook::Sheet(std::string_view name) {
    if (!open_) return nullptr;
    for (SheetEntry& entry : sheets_) {
        if (EqualsIgnoringCase(entry.name, name)) return entry.sheet.get();
    }
    return nullptr;
}

std::string Workbook::Run(std::string_view macroName) {
    if (!open_) return "The workbook " + path_.string() + " is closed";
    for (auto& [name, macro] : macros_) {
        if (EqualsIgnoringCase(name, macroName)) return macro(*this);
    }
    return "The workbook " + path_.string() + " has no macro \"" + std::string(macroName) + "\"";
}

int Workbook::SheetIndex(const Worksheet& sheet) const {
    for (size_t i = 0; i < sheets_.size(); ++i) {
        if (sheets_[i].sheet.get() == &sheet) return static_cast<int>(i);
    }
    return -1;
}

void Workbook::SetDefinedName(std::string_view name, int sheetIndex, const std::string& value) {
    pugi::xml_node names = WorkbookChild(workbookXml_.document_element(), "definedNames");
    // One name per sheet: a second entry of the same name makes the spreadsheet repair the file.
    for (pugi::xml_node defined : names.children("definedName")) {
        if (EqualsIgnoringCase(defined.attribute("name").value(), name) &&
            defined.attribute("localSheetId").as_int(-1) == sheetIndex) {
            defined.text().set(value.c_str());
            return;
        }
    }
    pugi::xml_node defined = names.append_child("definedName");
    defined.append_attribute("name").set_value(std::string(name).c_str());
    defined.append_attribute("localSheetId").set_value(sheetIndex);
    defined.text().set(value.c_str());
}

void Workbook::SetPrintArea(const Worksheet& sheet, CellPosition first, CellPosition last) {
    int index = SheetIndex(sheet);
    if (index < 0 || !IsOnSheet(first.row, first.column) || !IsOnSheet(last.row, last.column)) {
        return;
    }
    SetDefinedName("_xlnm.Print_Area", index,
                   QuotedSheetName(sheet.Name()) + "!" + AbsoluteRange(first, last));
}

void Workbook::SetPrintTitleRows(const Worksheet& sheet, int firstRow, int lastRow) {
    int index = SheetIndex(sheet);
    if (index < 0 || !IsOnSheet(firstRow, 1) || !IsOnSheet(lastRow, 1)) return;
    SetDefinedName("_xlnm.Print_Titles", index,
                   QuotedSheetName(sheet.Name()) + "!$" + std::to_string(firstRow) + ":$" +
                       std::to_string(lastRow));
}

void Workbook::ActivateSheet(int number) {
    if (!open_ || number < 1 || number > SheetCount()) return;
    pugi::xml_node views = WorkbookChild(workbookXml_.document_element(), "bookViews");
    pugi::xml_node view = views.child("workbookView");
    if (!view) view = views.append_child("workbookView");
    AttributeOf(view, "activeTab").set_value(number - 1);
    // The tab bar must not start after the active tab.
    if (view.attribute("firstSheet").as_int(0) > number - 1) {
        view.attribute("firstSheet").set_value(number - 1);
    }
    for (size_t i = 0; i < sheets_.size(); ++i) {
        if (sheets_[i].sheet) sheets_[i].sheet->SetTabSelected(static_cast<int>(i) == number - 1);
    }
}

void Workbook::RemoveCalculationChain() {
    // The chain lists formula cells in calculation order; after cells changed it would be
    // stale, and the spreadsheet rebuilds it on the full calculation at load.
    std::vector<std::string> removedParts;
    pugi::xml_node root = relationshipsXml_.document_element();
    for (pugi::xml_node node = root.child("Relationship"); node;) {
        pugi::xml_node next = node.next_sibling("Relationship");
        Relationship relationship{node.attribute("Id").value(), node.attribute("Type").value(),
                                  node.attribute("Target").value(), false};
        if (HasRelationshipKind(relationship, "calcChain")) {
            removedParts.push_back(ResolveRelationshipTarget(workbookPart_, relationship.target));
            root.remove_child(node);
        }
        node = next;
    }
    if (!removedParts.empty()) {
        package_->Replace(RelationshipsPartName(workbookPart_),
                          SerializeXmlPart(relationshipsXml_));
    }

    XlsxPackage::PartBytes types = package_->Read(kContentTypesPart);
    pugi::xml_document typesXml;
    if (!types.error.empty() || !ParseXmlPart(typesXml, types.bytes).empty()) return;
    bool typesChanged = false;
    pugi::xml_node typesRoot = typesXml.document_element();
    for (pugi::xml_node node = typesRoot.child("Override"); node;) {
        pugi::xml_node next = node.next_sibling("Override");
        std::string part = ResolveRelationshipTarget("", node.attribute("PartName").value());
        bool named = false;
        for (const std::string& removed : removedParts) named |= EqualsIgnoringCase(part, removed);
        if (named || node.attribute("ContentType").value() == kCalcChainContentType) {
            removedParts.push_back(part);
            typesRoot.remove_child(node);
            typesChanged = true;
        }
        node = next;
    }
    if (typesChanged) package_->Replace(kContentTypesPart, SerializeXmlPart(typesXml));
    for (const std::string& part : removedParts) package_->Remove(part);
}

std::string Workbook::Save() {
    if (!open_) return "The workbook " + path_.string() + " is closed";
    for (SheetEntry& entry : sheets_) {
        if (entry.sheet && entry.sheet->Modified()) {
            package_->Replace(entry.sheet->PartName(), entry.sheet->Serialize());
        }
    }
    // Values written here come with their formulas' results, but the spreadsheet is asked
    // to compute everything again when it opens the file.
    pugi::xml_node calculation = WorkbookChild(workbookXml_.document_element(), "calcPr");
    AttributeOf(calculation, "fullCalcOnLoad").set_value("1");
    RemoveCalculationChain();
    package_->Replace(workbookPart_, SerializeXmlPart(workbookXml_));

    XlsxPackage::Image image = package_->Write();
    if (!image.error.empty()) {
        return "Cannot write the workbook " + path_.string() + ": " + image.error;
    }
    return WriteFileReplacing(path_, image.bytes);
}

std::string Workbook::Quit() {
    std::string error = Save();
    open_ = false;
    sheets_.clear();
    package_.reset();
    return error;
}

}  // namespace kovu3
