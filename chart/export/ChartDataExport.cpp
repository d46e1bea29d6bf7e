#include "chart/export/ChartDataExport.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/SeriesDataStream.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/TextFormToXml.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Streams.h"

namespace {
constexpr const char* CrLf = "\r\n";

// The X list, the Y list, then the extra lists (the third on).
const TChartValueList& XList(const TChartSeries& s) { return s.NotMandatoryValueList(); }
const TChartValueList& YList(const TChartSeries& s) { return s.MandatoryValueList(); }
int ListCount(TChartSeries& s) { return s.ValueLists().Count(); }
const TChartValueList& ExtraList(TChartSeries& s, int index) {
    return *s.ValueLists().ValueList(index);
}

std::string Attribute(const std::string& name, const std::string& value) {
    return " " + name + "=\"" + value + "\"";
}

// An HTML table cell; markup characters in the text are escaped, so the text stays in its cell.
std::string Cell(const std::string& text) { return "<td>" + XmlEscaped(text) + "</td>"; }

// The cells with the delimiter between them (none after the last).
std::string Joined(const std::vector<std::string>& cells, char delimiter) {
    std::string result;
    for (size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) result += delimiter;
        result += cells[c];
    }
    return result;
}

// Every XML attribute value is escaped: a title or label holding "&", "<" or a quote would
// otherwise make a document that no reader accepts.
std::string XmlAttribute(const std::string& name, const std::string& value) {
    return Attribute(name, XmlEscaped(value));
}
}  // namespace

std::string ColorToHexText(TColor color) {
    const uint32_t rgb = uint32_t(ColorToRGB(color));
    char text[8];
    std::snprintf(text, sizeof text, "#%.2x%.2x%.2x", rgb & 0xFF, (rgb >> 8) & 0xFF,
                  (rgb >> 16) & 0xFF);
    return text;
}

// --- The options and the columns common to every format.

TSeriesData::TSeriesData(TCustomAxisPanel* chart, TChartSeries* series)
    : FChart(chart), FSeries(series) {}

TSeriesData::~TSeriesData() = default;

void TSeriesData::Publish(TPublisher<TSeriesData>& p) {
    using T = TSeriesData;
    p.Boolean("IncludeColors", &T::IncludeColors, &T::SetIncludeColors).Default(false);
    p.Boolean("IncludeIndex", &T::IncludeIndex, &T::SetIncludeIndex).Default(false);
    p.Boolean("IncludeHeader", &T::IncludeHeader, &T::SetIncludeHeader).Default(false);
    p.Boolean("IncludeLabels", &T::IncludeLabels, &T::SetIncludeLabels).Default(true);
    p.Boolean("UseSeriesFormat", &T::UseSeriesFormat, &T::SetUseSeriesFormat).Default(false);
    p.String("ValueFormat", &T::ValueFormat, &T::SetValueFormat);
}

int TSeriesData::ExportedCount() const {
    if (FSeries) return 1;
    return FChart ? FChart->SeriesCount() : 0;
}

TChartSeries* TSeriesData::Exported(int index) const {
    return FSeries ? FSeries : FChart->GetSeries(index);
}

void TSeriesData::ColumnsOfSeries(TChartSeries* series) {
    if (series) {
        FFlags = SeriesDataFlags(*series);
        return;
    }
    // Every series gets the columns any of them needs: taken from one series alone, the
    // positions, labels or colours of the others would be lost.
    bool any = false;
    uint8_t flags = 0;
    for (int i = 0; FChart && i < FChart->SeriesCount(); ++i) {
        const TChartSeries& s = *FChart->GetSeries(i);
        if (s.Count() == 0) continue;
        any = true;
        flags |= SeriesDataFlags(s);
    }
    if (any) FFlags = flags;
}

void TSeriesData::ApplyColumnOptions(TChartSeries* series) {
    ColumnsOfSeries(series);
    // Custom mark positions are never exported.
    FFlags &= uint8_t(~sdfMarkPositions);
    if (!FIncludeLabels) FFlags &= uint8_t(~sdfLabels);
    if (!FIncludeColors) FFlags &= uint8_t(~sdfColors);
}

void TSeriesData::PrepareColumns() { ColumnsOfSeries(FSeries); }

int TSeriesData::MaxPointCount() const {
    int result = 0;
    for (int i = 0; i < ExportedCount(); ++i) result = std::max(result, Exported(i)->Count());
    return result;
}

const std::string& TSeriesData::FormatFor(const TChartSeries& series) const {
    return FUseSeriesFormat ? series.ValueFormat() : FValueFormat;
}

std::string TSeriesData::FormatValue(const TChartSeries& series, double value) const {
    const std::string& format = FormatFor(series);
    return format.empty() ? FloatToStr(value) : FormatFloat(format, value);
}

std::string TSeriesData::PointRowText(int) { return {}; }

std::string TSeriesData::AsText() {
    ApplyColumnOptions(FSeries);
    std::string result;
    for (int i = 0; i < MaxPointCount(); ++i) result += PointRowText(i) + CrLf;
    return result;
}

// --- Delimited text.

TSeriesDataText::TSeriesDataText(TCustomAxisPanel* chart, TChartSeries* series)
    : TSeriesData(chart, series) {}

void TSeriesDataText::Publish(TPublisher<TSeriesDataText>& p) {
    using T = TSeriesDataText;
    p.String("TextDelimiter", &T::DelimiterText, &T::SetDelimiterText).Stored([](const T& t) {
        return t.FTextDelimiter != '\t';
    });
    p.String("TextQuotes", &T::TextQuotes, &T::SetTextQuotes);
}

std::string TSeriesDataText::TextCell(const std::string& text, bool quoted) const {
    const std::string quote = FTextQuotes.empty() ? std::string("\"") : FTextQuotes;
    const bool needsQuotes = text.find(FTextDelimiter) != std::string::npos ||
                             text.find(quote) != std::string::npos ||
                             text.find_first_of("\r\n") != std::string::npos;
    if (!needsQuotes) return quoted ? FTextQuotes + text + FTextQuotes : text;
    std::string result = quote;
    for (size_t at = 0;;) {
        const size_t next = text.find(quote, at);
        result.append(text, at, next == std::string::npos ? std::string::npos : next - at);
        if (next == std::string::npos) break;
        result += quote + quote;
        at = next + quote.size();
    }
    return result + quote;
}

std::string TSeriesDataText::PointRowText(int index) {
    std::vector<std::string> cells;
    if (FIncludeIndex) cells.push_back(TextCell(std::to_string(index), false));
    if (FFlags & sdfLabels) {
        std::string label;
        for (int s = 0; s < ExportedCount() && label.empty(); ++s)
            if (index < Exported(s)->Count()) label = Exported(s)->Labels().Label(index);
        cells.push_back(TextCell(label, !label.empty()));
    }
    if (FFlags & sdfColors) {
        TChartSeries* first = ExportedCount() > 0 ? Exported(0) : nullptr;
        cells.push_back(TextCell(
            first && index < first->Count() ? ColorToHexText(first->ValueColor(index)) : "#000000",
            false));
    }
    for (int s = 0; s < ExportedCount(); ++s) {
        TChartSeries& series = *Exported(s);
        const bool has = index < series.Count();
        auto value = [&](const TChartValueList& list) {
            if (!has) return std::string();
            if (list.DateTime()) return TextCell(DateTimeToStr(list[index]), true);
            return TextCell(FormatValue(series, list[index]), false);
        };
        if (FFlags & sdfPositions) cells.push_back(value(XList(series)));
        cells.push_back(value(YList(series)));
        for (int l = 2; l < ListCount(series); ++l) cells.push_back(value(ExtraList(series, l)));
    }
    return Joined(cells, FTextDelimiter);
}

std::string TSeriesDataText::AsText() {
    ApplyColumnOptions(Series());
    std::string result;
    if (FIncludeHeader) {
        std::vector<std::string> cells;
        if (FIncludeIndex) cells.push_back(TextCell("Index", true));
        if (FFlags & sdfLabels) cells.push_back(TextCell("Text", true));
        if (FFlags & sdfColors) cells.push_back(TextCell("Colors", true));
        for (int s = 0; s < ExportedCount(); ++s) {
            TChartSeries& series = *Exported(s);
            if (FFlags & sdfPositions) cells.push_back(TextCell(XList(series).Name(), true));
            if (ListCount(series) == 2) {
                cells.push_back(
                    TextCell(Chart() ? Chart()->SeriesTitleText(&series) : series.Title(), true));
            } else {
                cells.push_back(TextCell(YList(series).Name(), true));
                for (int l = 2; l < ListCount(series); ++l)
                    cells.push_back(TextCell(ExtraList(series, l).Name(), true));
            }
        }
        result += Joined(cells, FTextDelimiter) + CrLf;
    }
    for (int i = 0; i < MaxPointCount(); ++i) result += PointRowText(i) + CrLf;
    return result + CrLf;
}

// --- XML.

TSeriesDataXML::TSeriesDataXML(TCustomAxisPanel* chart, TChartSeries* series)
    : TSeriesData(chart, series), FEncoding(XmlEncodingName()) {
    FIncludeHeader = true;
}

void TSeriesDataXML::Publish(TPublisher<TSeriesDataXML>& p) {
    using T = TSeriesDataXML;
    p.String("Encoding", &T::Encoding, &T::SetEncoding).Stored(&T::IsEncodingStored);
}

bool TSeriesDataXML::IsEncodingStored() const {
    return !FEncoding.empty() && FEncoding != XmlEncodingName();
}

std::string TSeriesDataXML::SeriesElement(TChartSeries& series) {
    const std::string title = Chart() ? Chart()->SeriesTitleText(&series) : series.Title();
    std::string result = "<series" + XmlAttribute("title", title) +
                         XmlAttribute("type", SeriesTypeDescription(series)) +
                         XmlAttribute("color", ColorToHexText(series.SeriesColor())) + ">" + CrLf;
    result += "<points" + XmlAttribute("count", std::to_string(series.Count())) + ">" + CrLf;
    const TChartValueList& x = XList(series);
    for (int i = 0; i < series.Count(); ++i) {
        const bool null = series.IsNullValue(i);
        std::string point = "<point ";
        if (FIncludeIndex) point += Attribute("index", std::to_string(i)).substr(1);
        if (FFlags & sdfLabels) point += XmlAttribute("text", series.Labels().Label(i));
        if (FFlags & sdfColors)
            point += XmlAttribute("color", ColorToHexText(series.ValueColor(i)));
        if ((FFlags & sdfPositions) && (!null || x.Name() == "X"))
            point += XmlAttribute(x.Name(), FormatValue(series, x[i]));
        if (!null) {
            point += XmlAttribute(YList(series).Name(), FormatValue(series, YList(series)[i]));
            for (int l = 2; l < ListCount(series); ++l) {
                const TChartValueList& list = ExtraList(series, l);
                point += XmlAttribute(list.Name(), FormatValue(series, list[i]));
            }
        }
        result += point + "/>" + CrLf;
    }
    result += std::string("</points>") + CrLf + "</series>" + CrLf + CrLf;
    return result;
}

std::string TSeriesDataXML::AsText() {
    ApplyColumnOptions(Series());
    std::string result;
    if (FIncludeHeader) {
        result = "<?xml version=\"1.0\"";
        if (!FEncoding.empty()) result += Attribute("encoding", FEncoding);
        result += std::string("?>") + CrLf;
    }
    if (Series()) return result + SeriesElement(*Series());
    result += std::string("<chart>") + CrLf;
    for (int s = 0; Chart() && s < Chart()->SeriesCount(); ++s) {
        ApplyColumnOptions(Chart()->GetSeries(s));
        result += SeriesElement(*Chart()->GetSeries(s));
    }
    return result + "</chart>";
}

// --- HTML table.

std::string TSeriesDataHTML::PointRowText(int index) {
    std::string row = "<tr>";
    if (FIncludeIndex) row += Cell(std::to_string(index));
    for (int s = 0; s < ExportedCount(); ++s) {
        TChartSeries& series = *Exported(s);
        const bool has = index < series.Count();
        if (FFlags & sdfLabels) row += Cell(has ? series.Labels().Label(index) : "");
        if (FFlags & sdfColors) row += Cell(has ? ColorToHexText(series.ValueColor(index)) : "");
        if (FFlags & sdfPositions)
            row += Cell(has ? FormatValue(series, XList(series)[index]) : "");
        row += Cell(has ? FormatValue(series, YList(series)[index]) : "");
        for (int l = 2; l < ListCount(series); ++l)
            row += Cell(has ? FormatValue(series, ExtraList(series, l)[index]) : "");
    }
    return row + "</tr>";
}

std::string TSeriesDataHTML::AsText() {
    ApplyColumnOptions(Series());
    std::string result = "<table border=\"1\">";
    result += CrLf;
    if (FIncludeHeader) {
        result += "<tr>";
        if (FIncludeIndex) result += Cell("Index");
        for (int s = 0; s < ExportedCount(); ++s) {
            TChartSeries& series = *Exported(s);
            if (FFlags & sdfLabels) result += Cell("Text");
            if (FFlags & sdfColors) result += Cell("Colors");
            if (FFlags & sdfPositions) result += Cell(XList(series).Name());
            if (ListCount(series) == 2) {
                result += Cell(Chart() ? Chart()->SeriesTitleText(&series) : series.Title());
            } else {
                result += Cell(YList(series).Name());
                for (int l = 2; l < ListCount(series); ++l)
                    result += Cell(ExtraList(series, l).Name());
            }
        }
        result += std::string("</tr>") + CrLf;
    }
    return result + TSeriesData::AsText() + CrLf + "</table>";
}

// --- Spreadsheet records.

namespace {
class TRecordWriter {
public:
    explicit TRecordWriter(TStream& stream) : FStream(stream) {}

    void Word(uint16_t value) {
        const uint8_t bytes[2] = {uint8_t(value), uint8_t(value >> 8)};
        FStream.WriteBuffer(bytes, 2);
    }
    void Header(uint16_t type, uint16_t length) {
        Word(type);
        Word(length);
    }
    // Row, column and the three attribute bytes of a cell.
    void CellStart(uint16_t type, uint16_t length) {
        Header(type, length);
        Word(FRow);
        Word(FColumn++);
        const uint8_t attributes[3] = {0, 0, 0};
        FStream.WriteBuffer(attributes, 3);
    }
    void Blank() { CellStart(0x0001, 7); }
    void Number(double value) {
        CellStart(0x0003, 15);
        FStream.WriteBuffer(&value, 8);  // little-endian IEEE, as the records hold it
    }
    void Label(const std::string& text) {
        std::string bytes = Utf8ToCp1252(text);
        if (bytes.size() > 255) bytes.resize(255);
        CellStart(0x0004, uint16_t(8 + bytes.size()));
        const uint8_t length = uint8_t(bytes.size());
        FStream.WriteBuffer(&length, 1);
        FStream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    }
    void StartRow(int row) {
        FRow = uint16_t(row);
        FColumn = 0;
    }

private:
    TStream& FStream;
    uint16_t FRow = 0;
    uint16_t FColumn = 0;
};

// The number a cell holds under a format: the format's text read back, so that the cell carries
// the format's rounding. The text is made with fixed separators and read without its thousands
// separators, so "#,##0.###" reads back from 1000 on and the user's locale does not matter. A
// negative section is written without its minus, which the number gets back; a text that is no
// number (literal words, a zero section "Zero") leaves the value as it is.
double FormattedNumber(const std::string& format, double value) {
    if (format.empty()) return value;
    TFormatSettings fixed;
    fixed.DecimalSeparator = '.';
    fixed.ThousandSeparator = ',';
    std::string text = FormatFloat(format, value, fixed);
    std::erase(text, fixed.ThousandSeparator);
    long double read = 0;
    if (!TryStrToFloat(text, read, fixed)) return value;
    return value < 0 && read > 0 ? -double(read) : double(read);
}
}  // namespace

void TSeriesDataXLS::SaveToStream(TStream& stream) {
    ApplyColumnOptions(Series());
    const int rows = MaxPointCount();
    const int headerRows = FIncludeHeader ? 1 : 0;
    // Row numbers are 16 bits: a longer export would wrap round and overwrite its first rows.
    if (rows + headerRows > 0xFFFF) throw ChartException(std::string(SpreadsheetTooManyRows));
    int perSeriesFlags = 0;
    for (uint8_t flag : {sdfLabels, sdfColors, sdfPositions})
        if (FFlags & flag) ++perSeriesFlags;
    int columns = (FIncludeIndex ? 1 : 0) + perSeriesFlags * ExportedCount();
    for (int s = 0; s < ExportedCount(); ++s) columns += ListCount(*Exported(s)) - 1;

    TRecordWriter out(stream);
    // The worksheet BOF of the same record generation as the cells (two attribute bytes per
    // cell, one length byte per label), then the code page the labels are written in: readers
    // refuse a newer BOF before these cells, or read the labels in a code page of their own.
    out.Header(0x0009, 4);
    out.Word(0x0002);  // version
    out.Word(0x0010);  // worksheet
    out.Header(0x0042, 2);
    out.Word(1252);
    out.Header(0x0200, 10);
    for (int word : {0, rows + headerRows, 0, columns, 0}) out.Word(uint16_t(word));

    if (FIncludeHeader) {
        out.StartRow(0);
        if (FIncludeIndex) out.Label("Index");
        for (int s = 0; s < ExportedCount(); ++s) {
            TChartSeries& series = *Exported(s);
            if (FFlags & sdfLabels) out.Label("Text");
            if (FFlags & sdfColors) out.Label("Colors");
            if (FFlags & sdfPositions) out.Label(XList(series).Name());
            out.Label(YList(series).Name());
            for (int l = 2; l < ListCount(series); ++l) out.Label(ExtraList(series, l).Name());
        }
    }
    for (int r = 0; r < rows; ++r) {
        out.StartRow(r + headerRows);
        if (FIncludeIndex) out.Number(r);
        for (int s = 0; s < ExportedCount(); ++s) {
            TChartSeries& series = *Exported(s);
            auto number = [&](double value) {
                out.Number(FormattedNumber(FormatFor(series), value));
            };
            if (r >= series.Count()) {
                if (FFlags & sdfLabels) out.Label("");
                if (FFlags & sdfColors) out.Label("");
                if (FFlags & sdfPositions) out.Blank();
                for (int l = 1; l < ListCount(series); ++l) out.Blank();
                continue;
            }
            if (FFlags & sdfLabels) out.Label(series.Labels().Label(r));
            if (FFlags & sdfColors) out.Label(ColorToHexText(series.ValueColor(r)));
            if (FFlags & sdfPositions) number(XList(series)[r]);
            if (series.IsNullValue(r)) {
                for (int l = 1; l < ListCount(series); ++l) out.Blank();
                continue;
            }
            number(YList(series)[r]);
            for (int l = 2; l < ListCount(series); ++l) number(ExtraList(series, l)[r]);
        }
    }
    const uint8_t eof[4] = {0x0A, 0x00, 0x00, 0x00};
    stream.WriteBuffer(eof, 4);
}
