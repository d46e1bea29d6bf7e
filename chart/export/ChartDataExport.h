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

// "#rrggbb" in lower-case hex, system colours resolved.
std::string ColorToHexText(TColor color);

class TSeriesData : public TTeeExportData {
public:
    // Without a series every series of the chart is exported.
    TSeriesData(TCustomAxisPanel* chart, TChartSeries* series);
    ~TSeriesData() override;

    TCustomAxisPanel* Chart() const { return FChart; }
    TChartSeries* Series() const { return FSeries; }

    bool IncludeColors = false;
    bool IncludeIndex = false;
    bool IncludeHeader = false;
    bool IncludeLabels = true;
    // Numbers in each series' own value format instead of ValueFormat.
    bool UseSeriesFormat = false;
    // Float-format pattern with "," for thousands and "." for decimals; empty: general form.
    std::string ValueFormat;

    // The columns of the export: 1 positions, 2 colours, 4 labels.
    uint8_t ColumnFlags() const { return FFlags; }
    // The flags of series (or of the chart's first series with points); unchanged when none.
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

private:
    TCustomAxisPanel* FChart;
    TChartSeries* FSeries;
};

class TSeriesDataText : public TSeriesData {
public:
    TSeriesDataText(TCustomAxisPanel* chart, TChartSeries* series);

    char TextDelimiter = '\t';
    // Put before and after each header cell, label and date-time value.
    std::string TextQuotes;

    void PrepareColumns() override;
    std::string PointRowText(int index) override;
    std::string AsText() override;

private:
    std::string Quoted(const std::string& text) const { return TextQuotes + text + TextQuotes; }
};

class TSeriesDataXML : public TSeriesData {
public:
    TSeriesDataXML(TCustomAxisPanel* chart, TChartSeries* series);

    std::string Encoding;

    std::string AsText() override;

private:
    std::string SeriesElement(TChartSeries& series);
};

class TSeriesDataHTML : public TSeriesData {
public:
    using TSeriesData::TSeriesData;

    std::string PointRowText(int index) override;
    std::string AsText() override;
};

// Worksheet records: BOF, DIMENSIONS, a header row of labels, then one row of cells per point,
// and EOF.
class TSeriesDataXLS : public TSeriesData {
public:
    using TSeriesData::TSeriesData;

    void SaveToStream(TStream& stream) override;
};
