#pragma once
// The point values of one series, or of every series of a chart, as delimited text, XML, an
// HTML table or a spreadsheet file of binary records. Each format lays its columns out from the
// column flags of the series (positions, colours, labels), trimmed by the options.
//
// Rows run to the longest series; a series shorter than that leaves its cells empty there.
#include <cstdint>
#include <string>

#include "chart/foundation/TeeExportData.h"
#include "platform/graphics/Colors.h"

class TChartSeries;
class TCustomAxisPanel;
class TStream;
template <class T>
class TPublisher;

// "#rrggbb" in lower-case hex, system colours resolved.
std::string ColorToHexText(TColor color);

class TSeriesData : public TTeeExportData {
    KV_DECLARE_CLASS(TSeriesData, TTeeExportData)
public:
    // Without a series every series of the chart is exported.
    TSeriesData(TCustomAxisPanel* chart, TChartSeries* series);
    ~TSeriesData() override;

    TCustomAxisPanel* Chart() const { return FChart; }
    TChartSeries* Series() const { return FSeries; }
    static void Publish(TPublisher<TSeriesData>& p);

    bool IncludeColors() const { return FIncludeColors; }
    void SetIncludeColors(bool value) { FIncludeColors = value; }
    bool IncludeIndex() const { return FIncludeIndex; }
    void SetIncludeIndex(bool value) { FIncludeIndex = value; }
    // A header row; for XML the declaration.
    bool IncludeHeader() const { return FIncludeHeader; }
    void SetIncludeHeader(bool value) { FIncludeHeader = value; }
    bool IncludeLabels() const { return FIncludeLabels; }
    void SetIncludeLabels(bool value) { FIncludeLabels = value; }
    // Numbers in each series' own value format instead of ValueFormat.
    bool UseSeriesFormat() const { return FUseSeriesFormat; }
    void SetUseSeriesFormat(bool value) { FUseSeriesFormat = value; }
    // Float-format pattern with "," for thousands and "." for decimals; empty: general form.
    const std::string& ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const std::string& value) { FValueFormat = value; }

    // The columns of the export: 1 positions, 2 colours, 4 labels.
    uint8_t ColumnFlags() const { return FFlags; }
    // The flags of series; without one, every flag any series of the chart has. Unchanged when
    // no series has points.
    void ColumnsOfSeries(TChartSeries* series);
    // ColumnsOfSeries less labels and colours when the options leave them out.
    void ApplyColumnOptions(TChartSeries* series);
    virtual void PrepareColumns();
    int MaxPointCount() const;
    std::string FormatValue(const TChartSeries& series, double value) const;
    virtual std::string PointRowText(int index);
    // The data rows, each ended by CR LF.
    std::string AsText() override;

protected:
    // The series exported, in order.
    int ExportedCount() const;
    TChartSeries* Exported(int index) const;
    // The format that applies to the series' numbers; empty for the general form.
    const std::string& FormatFor(const TChartSeries& series) const;

    uint8_t FFlags = 0;
    bool FIncludeColors = false;
    bool FIncludeIndex = false;
    bool FIncludeHeader = false;
    bool FIncludeLabels = true;
    bool FUseSeriesFormat = false;
    std::string FValueFormat;

private:
    TCustomAxisPanel* FChart;
    TChartSeries* FSeries;
};

class TSeriesDataText : public TSeriesData {
    KV_DECLARE_CLASS(TSeriesDataText, TSeriesData)
public:
    TSeriesDataText(TCustomAxisPanel* chart, TChartSeries* series);

    char TextDelimiter() const { return FTextDelimiter; }
    void SetTextDelimiter(char value) { FTextDelimiter = value; }
    // Put before and after each header cell, label and date-time value. Any cell that holds the
    // delimiter, the quotes or a line break is quoted as CSV readers expect, with a double quote
    // when no quotes are set, and the quotes inside it doubled.
    const std::string& TextQuotes() const { return FTextQuotes; }
    void SetTextQuotes(const std::string& value) { FTextQuotes = value; }
    static void Publish(TPublisher<TSeriesDataText>& p);

    std::string PointRowText(int index) override;
    std::string AsText() override;

private:
    // The cell's text as written; quoted says whether it is put in TextQuotes even when it holds
    // nothing that needs quotes.
    std::string TextCell(const std::string& text, bool quoted) const;
    // The delimiter as a text of one character, for the stream.
    std::string DelimiterText() const { return std::string(1, FTextDelimiter); }
    void SetDelimiterText(const std::string& value) {
        FTextDelimiter = value.empty() ? '\t' : value[0];
    }

    char FTextDelimiter = '\t';
    std::string FTextQuotes;
};

class TSeriesDataXML : public TSeriesData {
    KV_DECLARE_CLASS(TSeriesDataXML, TSeriesData)
public:
    TSeriesDataXML(TCustomAxisPanel* chart, TChartSeries* series);

    // Named in the declaration; stored only when set and not the system's default.
    const std::string& Encoding() const { return FEncoding; }
    void SetEncoding(const std::string& value) { FEncoding = value; }
    static void Publish(TPublisher<TSeriesDataXML>& p);

    std::string AsText() override;

private:
    std::string SeriesElement(TChartSeries& series);
    bool IsEncodingStored() const;

    std::string FEncoding;
};

class TSeriesDataHTML : public TSeriesData {
    KV_DECLARE_CLASS(TSeriesDataHTML, TSeriesData)
public:
    using TSeriesData::TSeriesData;

    std::string PointRowText(int index) override;
    std::string AsText() override;
};

// Worksheet records: BOF, DIMENSIONS, a header row of labels, then one row of cells per point,
// and EOF. Rows are numbered in 16 bits: an export of more rows is refused (ChartException
// SpreadsheetTooManyRows) before anything is written.
inline constexpr const char* SpreadsheetTooManyRows =
    "Too many points for a spreadsheet file (at most 65535 rows)";

class TSeriesDataXLS : public TSeriesData {
    KV_DECLARE_CLASS(TSeriesDataXLS, TSeriesData)
public:
    using TSeriesData::TSeriesData;

    void SaveToStream(TStream& stream) override;
};
