// The Office Open XML workbook: xl/workbook.xml names the sheets and their relation ids,
// xl/_rels/workbook.xml.rels maps the ids to the sheet parts, xl/sharedStrings.xml holds the
// texts that cells of type "s" index, and each sheet part lists its cells as <c r="B2" t="..">
// with a <v> value or an inline <is><t> text.
#include <cstdlib>

#include "chart/tools/sources/Workbook.h"
#include "chart/tools/sources/ZipReader.h"
#include "platform/ui/XmlReader.h"

namespace {

void Fail(const std::string& part, const TXmlReader& xml) {
    throw EWorkbookError("Damaged workbook part " + part + ": " + xml.ErrorText());
}

std::vector<std::string> SharedStrings(const TZipReader& zip) {
    std::vector<std::string> strings;
    if (!zip.Has("xl/sharedStrings.xml")) return strings;
    TXmlReader xml(zip.Extract("xl/sharedStrings.xml"));
    bool inText = false;
    for (TXmlToken t = xml.Next(); t != xtEnd; t = xml.Next()) {
        if (t == xtError) Fail("xl/sharedStrings.xml", xml);
        if (t == xtStartElement && xml.Name() == "si") strings.emplace_back();
        if (t == xtStartElement && xml.Name() == "t") inText = true;
        if (t == xtEndElement && xml.Name() == "t") inText = false;
        if (t == xtText && inText && !strings.empty()) strings.back() += xml.Text();
    }
    return strings;
}

// The sheet part a relation target names, relative to xl/ unless absolute.
std::string PartOf(const std::string& target) {
    if (target.starts_with("/")) return target.substr(1);
    return "xl/" + target;
}

void ReadCells(const TZipReader& zip, const std::string& part,
               const std::vector<std::string>& strings, TWorksheetCells& cells) {
    TXmlReader xml(zip.Extract(part));
    int row = 0, column = 0;
    std::string type, value;
    bool inCell = false, inValue = false;
    for (TXmlToken t = xml.Next(); t != xtEnd; t = xml.Next()) {
        if (t == xtError) Fail(part, xml);
        if (t == xtStartElement) {
            const std::string name = xml.Name();
            if (name == "c") {
                inCell = ParseCellReference(xml.Attribute("r"), row, column);
                type = xml.Attribute("t");
                value.clear();
            } else if (inCell && (name == "v" || name == "t")) {
                inValue = true;
            }
        } else if (t == xtText && inValue) {
            value += xml.Text();
        } else if (t == xtEndElement) {
            const std::string name = xml.Name();
            if (name == "v" || name == "t") inValue = false;
            if (name != "c" || !inCell) continue;
            inCell = false;
            TWorkbookCell cell;
            if (type == "s") {
                const long index = std::strtol(value.c_str(), nullptr, 10);
                if (index < 0 || size_t(index) >= strings.size())
                    throw EWorkbookError("Damaged workbook part " + part +
                                         ": a shared text out of range");
                cell.IsText = true;
                cell.Text = strings[size_t(index)];
            } else if (type == "str" || type == "inlineStr" || type == "e") {
                cell.IsText = true;
                cell.Text = value;
            } else if (value.empty()) {
                continue;
            } else {
                cell.Number = std::strtod(value.c_str(), nullptr);
            }
            cells[{row, column}] = std::move(cell);
        }
    }
}

}  // namespace

std::unique_ptr<TWorkbook> ReadXlsxWorkbook(std::string bytes) {
    const TZipReader zip(std::move(bytes));
    std::vector<std::pair<std::string, std::string>> relations;  // id, target
    {
        TXmlReader xml(zip.Extract("xl/_rels/workbook.xml.rels"));
        for (TXmlToken t = xml.Next(); t != xtEnd; t = xml.Next()) {
            if (t == xtError) Fail("xl/_rels/workbook.xml.rels", xml);
            if (t == xtStartElement && xml.Name() == "Relationship")
                relations.emplace_back(xml.Attribute("Id"), xml.Attribute("Target"));
        }
    }
    const std::vector<std::string> strings = SharedStrings(zip);
    auto book = std::make_unique<TWorkbook>();
    TXmlReader xml(zip.Extract("xl/workbook.xml"));
    for (TXmlToken t = xml.Next(); t != xtEnd; t = xml.Next()) {
        if (t == xtError) Fail("xl/workbook.xml", xml);
        if (t != xtStartElement || xml.Name() != "sheet") continue;
        TWorksheet sheet;
        sheet.Name = xml.Attribute("name");
        const std::string id = xml.Attribute("id");
        for (const auto& [relation, target] : relations)
            if (relation == id) ReadCells(zip, PartOf(target), strings, sheet.Cells);
        book->Sheets.push_back(std::move(sheet));
    }
    return book;
}
