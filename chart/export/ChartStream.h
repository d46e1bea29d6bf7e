#pragma once
// The native chart stream ("tee" files): the component stream of a whole chart (its settings,
// series, functions and tools, and on request the series' points) behind a 4-byte header in the
// binary form, or the component text with no header in the text form. The text form can also be
// rewritten as XML, which is written only.
//
//   binary: 60 30 (header word $3060), 57 01 (version 343, never checked), "TPF0" and the chart
//           as root, then optionally one point-data block per series (read, never written)
//   text:   "object ...": a stream whose first byte is 'O' or 'o'
//
// Every routine raises rather than returning a code. Reading checks the whole stream on a scratch
// chart before it touches the chart it loads into, so a damaged stream is refused with the chart
// left as it was.
#include <functional>
#include <string>

#include "chart/engine/Chart.h"
#include "platform/classes/Reader.h"

class TStream;

// Asked about each property the reader cannot read; true skips it and reading goes on, false
// lets the reader raise.
using TChartReadError = std::function<bool(const std::string& message)>;

// The component reader of chart streams: without an error callback a property it cannot read
// is skipped silently.
class TChartReader : public TReader {
public:
    explicit TChartReader(TStream& stream) : TReader(stream) {}
    ~TChartReader() override;

    TChartReadError OnChartError;
    bool Error(const std::string& message) override;
};

// Root classes of older streams; read as plain charts.
class TChartChart : public TChart {
    KV_DECLARE_CLASS(TChartChart, TChart)
public:
    explicit TChartChart(TComponent* owner) : TChart(owner) {}
};

class TODBCChart : public TChartChart {
    KV_DECLARE_CLASS(TODBCChart, TChartChart)
public:
    explicit TODBCChart(TComponent* owner) : TChartChart(owner) {}
};

inline constexpr uint16_t ChartStreamHeader = 0x3060;
inline constexpr uint16_t ChartStreamVersion = 343;

// Detection; each restores the stream's position.
bool IsChartStream(TStream& stream);
bool IsBinaryChartStream(TStream& stream);
void WriteChartStreamHeader(TStream& stream);

// Copies a chart stream of either form into output in the binary (or text) form; raises
// "Wrong *.tee file format" when input is no chart stream.
void ChartStreamToBinary(TStream& input, TStream& output);
void ChartStreamToText(TStream& input, TStream& output);

// Loads a stream of either form into chart, replacing its series and tools. With readData the
// point-data blocks after the component are read too. A damaged stream raises and leaves the
// chart as it was.
void ReadChartStreamEx(TCustomChart& chart, TStream& stream, bool readData,
                       const TChartReadError& onError);
void ReadChartStream(TCustomChart& chart, TStream& stream);
// Reads one point-data block for every series of the chart, in series order.
void ReadAllSeriesData(TStream& stream, TCustomChart& chart);

void WriteChartStream(TCustomChart& chart, TStream& stream, bool includeData, bool asText);
void WriteChartXmlStream(TCustomChart& chart, TStream& stream, bool includeData, bool xmlHeader);
// "chart" gives "chart.tee"; a name with an extension is kept.
std::string AddDefaultChartExtension(const std::string& fileName);
void WriteChartFile(TCustomChart& chart, const std::string& fileName, bool includeData,
                    bool asText);
void WriteChartXmlFile(TCustomChart& chart, const std::string& fileName, bool includeData,
                       bool xmlHeader);

// Makes the older root classes known to the component stream; counted like the other units.
void ChartStreamUnitStartup();
void ChartStreamUnitShutdown();
