#include "chart/export/ChartStream.h"

#include <cstring>
#include <memory>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TextFormToXml.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Writer.h"
#include "platform/db/AtomicFile.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

namespace {
int ChartStreamStartCount = 0;

// Reads up to count bytes from the stream's position and goes back there.
int64_t PeekBytes(TStream& stream, void* buffer, int64_t count) {
    const int64_t at = stream.Position();
    const int64_t got = stream.Read(buffer, count);
    stream.SetPosition(at);
    return got;
}

void CheckChartStream(TStream& stream) {
    if (!IsChartStream(stream)) throw ChartException(TxtWrongChartFileFormat);
}

// The rest of the stream from its position.
void CopyRest(TStream& input, TStream& output) {
    const int64_t rest = input.Size() - input.Position();
    if (rest > 0) output.CopyFrom(input, rest);
}

// Each series writes its points (or not) while the chart is written; the switches each series
// had go back on every path.
class TSeriesDataSwitches {
public:
    TSeriesDataSwitches(TCustomChart& chart, bool includeData) {
        for (int i = 0; i < chart.SeriesCount(); ++i) {
            TChartSeries* s = chart.GetSeries(i);
            FSaved.push_back({s, s->AlwaysStoreData, s->NeverStoreData});
            s->AlwaysStoreData = includeData;
            s->NeverStoreData = !includeData;
        }
    }
    ~TSeriesDataSwitches() {
        for (const TSaved& s : FSaved) {
            s.Series->AlwaysStoreData = s.Always;
            s.Series->NeverStoreData = s.Never;
        }
    }
    TSeriesDataSwitches(const TSeriesDataSwitches&) = delete;
    TSeriesDataSwitches& operator=(const TSeriesDataSwitches&) = delete;

private:
    struct TSaved {
        TChartSeries* Series;
        bool Always;
        bool Never;
    };
    std::vector<TSaved> FSaved;
};

// The stream holds an unnamed root; the chart gets its name back on every path.
class TUnnamedRoot {
public:
    explicit TUnnamedRoot(TComponent& component) : FComponent(component), FName(component.Name()) {
        component.SetName("");
    }
    ~TUnnamedRoot() { FComponent.SetName(FName); }
    TUnnamedRoot(const TUnnamedRoot&) = delete;
    TUnnamedRoot& operator=(const TUnnamedRoot&) = delete;

private:
    TComponent& FComponent;
    std::string FName;
};

void WriteBinaryChart(TCustomChart& chart, TStream& stream, bool includeData) {
    WriteChartStreamHeader(stream);
    TUnnamedRoot unnamed(chart);
    TSeriesDataSwitches switches(chart, includeData);
    TWriter writer(stream);
    // Names of components the chart refers to are written relative to the form that owns it.
    writer.SetRoot(chart.Owner() ? chart.Owner() : &chart);
    writer.WriteSignature();
    writer.WriteComponent(&chart);
}

// The root's class name in a binary chart stream (header first); empty when it cannot be read.
std::string RootClassName(TStream& stream) {
    stream.SetPosition(4);
    unsigned char head[6] = {};
    if (stream.Read(head, 6) < 6 || std::memcmp(head, FilerSignature, 4) != 0) return {};
    const int64_t lengthAt = 8;  // after the header and the signature
    // A flags prefix (inherited, child position) may come before the class name.
    if ((head[4] & 0xF0) == 0xF0) return {};
    const int length = head[4];
    std::string name(size_t(length), '\0');
    stream.SetPosition(lengthAt + 1);
    if (stream.Read(name.data(), length) < length) return {};
    return name;
}

// A chart stream holds a chart: its root names the chart's class or one of its ancestors, or a
// registered chart class.
void CheckRootIsAChart(TCustomChart& chart, TStream& stream) {
    const std::string name = RootClassName(stream);
    if (name.empty()) return;  // the reader names the fault
    for (TClass c = &chart.ClassType(); c; c = c->ClassParent())
        if (c->ClassName() == name) return;
    const TClass found = GetClass(name);
    if (!found || !found->InheritsFrom(TCustomChart::StaticClass()))
        throw ChartException(TxtInvalidChartFile);
}

// One pass of reading a binary chart stream (header first) into chart.
void ReadBinaryChart(TCustomChart& chart, TStream& stream, bool readData,
                     const TChartReadError& onError) {
    stream.SetPosition(4);  // the version word is not looked at
    TChartReader reader(stream);
    reader.OnChartError = onError;
    // Handlers a stream names but this program lacks are left unset, never an error.
    reader.OnFindMethod = [](TReader&, const std::string&, bool& error) { error = false; };
    const std::string name = chart.Name();
    reader.ReadRootComponent(&chart);
    if (!name.empty()) chart.SetName(name);
    if (readData && stream.Position() < stream.Size()) ReadAllSeriesData(stream, chart);
}
}  // namespace

TChartReader::~TChartReader() = default;

bool TChartReader::Error(const std::string& message) {
    return OnChartError ? OnChartError(message) : true;
}

bool IsChartStream(TStream& stream) {
    unsigned char bytes[4] = {};
    const int64_t got = PeekBytes(stream, bytes, 4);
    if (got >= 1 && (bytes[0] == 'O' || bytes[0] == 'o')) return true;
    return got >= 2 && (bytes[0] | (bytes[1] << 8)) == ChartStreamHeader;
}

bool IsBinaryChartStream(TStream& stream) {
    unsigned char bytes[2] = {};
    return PeekBytes(stream, bytes, 2) == 2 && (bytes[0] | (bytes[1] << 8)) == ChartStreamHeader;
}

void WriteChartStreamHeader(TStream& stream) {
    const unsigned char bytes[4] = {ChartStreamHeader & 0xFF, ChartStreamHeader >> 8,
                                    ChartStreamVersion & 0xFF, ChartStreamVersion >> 8};
    stream.WriteBuffer(bytes, 4);
}

void ChartStreamToBinary(TStream& input, TStream& output) {
    CheckChartStream(input);
    if (IsBinaryChartStream(input)) {
        CopyRest(input, output);
        return;
    }
    WriteChartStreamHeader(output);
    ObjectTextToBinary(input, output);
}

void ChartStreamToText(TStream& input, TStream& output) {
    CheckChartStream(input);
    if (!IsBinaryChartStream(input)) {
        CopyRest(input, output);
        return;
    }
    input.Seek(4, soCurrent);
    ObjectBinaryToText(input, output);
}

void ReadAllSeriesData(TStream& stream, TCustomChart& chart) {
    for (int i = 0; i < chart.SeriesCount(); ++i) chart.GetSeries(i)->ReadDataStream(stream);
}

void ReadChartStreamEx(TCustomChart& chart, TStream& stream, bool readData,
                       const TChartReadError& onError) {
    if (stream.Size() - stream.Position() <= 0) throw ChartException(TxtEmptyChartFile);
    CheckChartStream(stream);
    TMemoryStream binary;
    ChartStreamToBinary(stream, binary);

    // A trial on a scratch chart of the same class finds any damage before the chart loses its
    // series and tools; the answers the caller gave there are given again in the real pass, so
    // the caller is asked once per fault.
    CheckRootIsAChart(chart, binary);
    std::vector<bool> answers;
    {
        std::unique_ptr<TCustomChart> scratch(CreateAs<TCustomChart>(&chart.ClassType()));
        ReadBinaryChart(*scratch, binary, readData, [&](const std::string& message) {
            const bool goOn = onError ? onError(message) : true;
            answers.push_back(goOn);
            return goOn;
        });
    }

    TAutoRepaintGuard noRepaint(chart);
    chart.FreeSeriesOfClass(nullptr);
    chart.Tools().Clear();
    size_t next = 0;
    ReadBinaryChart(chart, binary, readData, [&](const std::string&) {
        return next < answers.size() ? bool(answers[next++]) : true;
    });
    chart.SetAutoRepaint(true);
    chart.Invalidate();
}

void ReadChartStream(TCustomChart& chart, TStream& stream) {
    ReadChartStreamEx(chart, stream, false, nullptr);
}

void WriteChartStream(TCustomChart& chart, TStream& stream, bool includeData, bool asText) {
    if (!asText) {
        WriteBinaryChart(chart, stream, includeData);
        return;
    }
    TMemoryStream binary;
    WriteBinaryChart(chart, binary, includeData);
    binary.SetPosition(0);
    ChartStreamToText(binary, stream);
}

void WriteChartXmlStream(TCustomChart& chart, TStream& stream, bool includeData, bool xmlHeader) {
    WriteChartStream(chart, stream, includeData, true);
    stream.SetPosition(0);
    TextFormToXml(stream, xmlHeader);
}

std::string AddDefaultChartExtension(const std::string& fileName) {
    if (!ExtractFileExt(fileName).empty()) return fileName;
    return fileName + "." + std::string(NativeChartExtension);
}

void WriteChartFile(TCustomChart& chart, const std::string& fileName, bool includeData,
                    bool asText) {
    SaveFileAtomic(AddDefaultChartExtension(fileName),
                   [&](TStream& stream) { WriteChartStream(chart, stream, includeData, asText); });
}

void WriteChartXmlFile(TCustomChart& chart, const std::string& fileName, bool includeData,
                       bool xmlHeader) {
    SaveFileAtomic(AddDefaultChartExtension(fileName), [&](TStream& stream) {
        WriteChartXmlStream(chart, stream, includeData, xmlHeader);
    });
}

void ChartStreamUnitStartup() {
    if (ChartStreamStartCount++ > 0) return;
    RegisterClasses({&TChartChart::StaticClass(), &TODBCChart::StaticClass()});
}

void ChartStreamUnitShutdown() {
    if (ChartStreamStartCount == 0 || --ChartStreamStartCount > 0) return;
    UnRegisterClasses({&TChartChart::StaticClass(), &TODBCChart::StaticClass()});
}
