// Saving and loading a results database of 50 runs with 40,602 result rows each (201 wavelengths
// plus the total, times 201 viewing conditions). First the packet writer and reader alone, from
// and into flat columns; then the results database itself (record store to packet and back, the
// unique index of the result rows kept on load). Reported as rows and bytes per second; the file
// variants include the atomic save (with its flush to disk) and the whole-file read.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "platform/db/AtomicFile.h"
#include "platform/db/DataPacketFile.h"
#include "platform/db/DataPacketReader.h"
#include "platform/db/DataPacketWriter.h"
#include "platform/db/RecordStore.h"
#include "platform/rtl/MessageService.h"
#include "workbench/ResultsDatabase.h"

namespace {

constexpr int Runs = 50;
constexpr int ResultRows = 202 * 201;
constexpr int CavityRows = 100;
constexpr int TemperatureRows = 50;

TPacketMetadata ResultsMetadata() {
    TPacketMetadata m;
    auto& c = m.Columns;
    c.push_back(StringPacketColumn("DatasetName", 100));
    for (const char* n : {"DateTime", "StartDateTime", "FinishDateTime"})
        c.push_back(DateTimePacketColumn(n));
    c.push_back(FloatPacketColumn("Tref"));
    c.push_back(FloatPacketColumn("Tbg"));
    c.push_back(Int16PacketColumn("ViewIndex"));
    c.push_back(FloatPacketColumn("NRF"));
    c.push_back(FloatPacketColumn("Threshold"));
    c.push_back(MemoPacketColumn("Rem"));
    c.push_back(NestedPacketColumn(
        "Cavity", {FloatPacketColumn("D", 4), FloatPacketColumn("Z", 4), FloatPacketColumn("R", 4),
                   FloatPacketColumn("Emissivity"), FloatPacketColumn("Diffusity")}));
    c.push_back(NestedPacketColumn(
        "Temperatures", {FloatPacketColumn("Xi"), FloatPacketColumn("Z"), FloatPacketColumn("R"),
                         Int16PacketColumn("isf"), FloatPacketColumn("T")}));
    std::vector<TPacketColumn> seert{FloatPacketColumn("Wavelength"), Int16PacketColumn("ivc")};
    for (const char* n : {"param1", "param2", "param3", "EEiso", "EE", "RT"})
        seert.push_back(FloatPacketColumn(n));
    c.push_back(NestedPacketColumn("SEERT", std::move(seert)));
    c.push_back(Int16PacketColumn("nw"));
    c.push_back(Int16PacketColumn("nv"));
    c.push_back(FloatPacketColumn("Z0"));
    c.push_back(FloatPacketColumn("R0"));
    return m;
}

// One run's result rows as a column store would keep them.
struct TResultColumns {
    std::vector<double> Wavelength, Param1, Param2, EEiso, EE, RT;
    std::vector<int32_t> Ivc;

    void Resize(size_t n) {
        for (auto* v : {&Wavelength, &Param1, &Param2, &EEiso, &EE, &RT}) v->resize(n);
        Ivc.resize(n);
    }
};

TResultColumns MakeResults() {
    TResultColumns r;
    r.Resize(ResultRows);
    for (int i = 0; i < ResultRows; ++i) {
        r.Wavelength[i] = 0.01 * (i / 201);
        r.Ivc[i] = i % 201 + 1;
        r.Param1[i] = 0.001 * i;
        r.Param2[i] = 1.0 - 0.001 * i;
        r.EEiso[i] = 0.99 - 1e-7 * i;
        r.EE[i] = 0.98 - 1e-7 * i;
        r.RT[i] = 1000.0 + 1e-3 * i;
    }
    return r;
}

std::string WriteDatabase(const TPacketMetadata& meta, const TResultColumns& results) {
    TDataPacketWriter w(meta);
    w.Reserve(size_t(Runs) * ResultRows * 62 + (1 << 20));
    for (int run = 0; run < Runs; ++run) {
        w.BeginRow();
        w.WriteText("Cylinder with a cone bottom");
        w.WriteDateTime(45000.25);
        w.WriteDateTime(45001.5 + run);
        w.WriteDateTime(45001.75 + run);
        w.WriteFloat(1000);
        w.WriteFloat(0);
        w.WriteInt(0);
        w.WriteFloat(1e6);
        w.WriteFloat(1e-9);
        w.WriteText("comments");
        w.BeginNested();
        for (int k = 1; k <= CavityRows; ++k) {
            w.BeginRow();
            w.WriteFloat(k), w.WriteFloat(0.01 * k), w.WriteFloat(1.0), w.WriteFloat(0.9),
                w.WriteFloat(0.5);
            w.EndRow();
        }
        w.EndNested();
        w.BeginNested();
        for (int k = 0; k < TemperatureRows; ++k) {
            w.BeginRow();
            w.WriteFloat(k / 50.0), w.WriteFloat(0.5), w.WriteFloat(1.0), w.WriteInt(k + 1),
                w.WriteFloat(1000);
            w.EndRow();
        }
        w.EndNested();
        w.BeginNested();
        for (int i = 0; i < ResultRows; ++i) {
            w.BeginRow();
            w.WriteFloat(results.Wavelength[i]);
            w.WriteInt(results.Ivc[i]);
            w.WriteFloat(results.Param1[i]);
            w.WriteFloat(results.Param2[i]);
            w.WriteNull();  // param3: a kind with two parameters
            w.WriteFloat(results.EEiso[i]);
            w.WriteFloat(results.EE[i]);
            w.WriteFloat(results.RT[i]);
            w.EndRow();
        }
        w.EndNested();
        w.WriteInt(201);
        w.WriteInt(201);
        w.WriteFloat(0);
        w.WriteFloat(1);
        w.EndRow();
    }
    return w.Finish();
}

// Reads every run into one reused set of columns; answers the result rows read.
size_t ReadDatabase(std::string_view bytes, TResultColumns& into) {
    TDataPacketReader r(bytes);
    size_t rows = 0;
    for (uint32_t run = 0; run < r.RowCount(); ++run) {
        r.BeginRow();
        for (int j = 0; j < 12; ++j) r.SkipValue();  // scalars, memo, Cavity, Temperatures
        const uint32_t n = r.BeginNested();
        into.Resize(n);
        for (uint32_t i = 0; i < n; ++i) {
            r.BeginRow();
            into.Wavelength[i] = r.ReadFloat();
            into.Ivc[i] = int32_t(r.ReadInt());
            into.Param1[i] = r.NextNull() ? 0 : r.ReadFloat();
            into.Param2[i] = r.NextNull() ? 0 : r.ReadFloat();
            if (!r.NextNull()) r.ReadFloat();
            into.EEiso[i] = r.ReadFloat();
            into.EE[i] = r.ReadFloat();
            into.RT[i] = r.ReadFloat();
            r.EndRow();
        }
        r.EndNested();
        for (int j = 0; j < 4; ++j) r.SkipValue();
        r.EndRow();
        rows += n;
    }
    return rows;
}

void Report(benchmark::State& state, size_t bytes) {
    state.counters["rows/s"] = benchmark::Counter(double(Runs) * ResultRows * state.iterations(),
                                                  benchmark::Counter::kIsRate);
    state.counters["MB/s"] =
        benchmark::Counter(double(bytes) * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void BM_EncodeResults(benchmark::State& state) {
    const auto meta = ResultsMetadata();
    const auto results = MakeResults();
    size_t size = 0;
    for (auto _ : state) {
        std::string bytes = WriteDatabase(meta, results);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    Report(state, size);
}

void BM_DecodeResults(benchmark::State& state) {
    const std::string bytes = WriteDatabase(ResultsMetadata(), MakeResults());
    TResultColumns into;
    for (auto _ : state) benchmark::DoNotOptimize(ReadDatabase(bytes, into));
    Report(state, bytes.size());
}

const std::string& BenchFile() {
    static const std::string file = (std::filesystem::temp_directory_path() /
                                     ("kv-bench-results-" + std::to_string(::getpid()) + ".dbs"))
                                        .string();
    return file;
}

void BM_SaveResultsFile(benchmark::State& state) {
    const auto meta = ResultsMetadata();
    const auto results = MakeResults();
    size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = WriteDatabase(meta, results);
        SaveFileAtomic(BenchFile(), bytes);
        size = bytes.size();
    }
    Report(state, size);
}

void BM_LoadResultsFile(benchmark::State& state) {
    SaveFileAtomic(BenchFile(), WriteDatabase(ResultsMetadata(), MakeResults()));
    TResultColumns into;
    size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = LoadFileBytes(BenchFile());
        benchmark::DoNotOptimize(ReadDatabase(bytes, into));
        size = bytes.size();
    }
    Report(state, size);
    std::filesystem::remove(BenchFile());
}

// A results database of 50 runs filled through the record store's bulk API.
struct TFilledResults {
    TResultsDatabase Db{MessageService()};  // none in force: silent

    TFilledResults() {
        const auto results = MakeResults();
        Db.cdsResults.CreateDataSet();
        TRecordStore& runs = *Db.cdsResults.Store();
        for (int run = 0; run < Runs; ++run) {
            std::vector<TFieldValue> v(17);
            v[0] = std::string("Cylinder with a cone bottom"), v[1] = 45000.25,
            v[2] = 45001.5 + run, v[3] = 45001.75 + run, v[4] = 1000.0, v[7] = 1e6,
            v[13] = int32_t(201), v[14] = int32_t(201);
            const TRecordId id = runs.AppendRaw(std::move(v));
            TRecordStore& seert = runs.Child(id, 12);
            for (int i = 0; i < ResultRows; ++i)
                seert.AppendRaw({results.Wavelength[i], results.Ivc[i], results.Param1[i],
                                 results.Param2[i], TFieldValue{}, results.EEiso[i], results.EE[i],
                                 results.RT[i]});
        }
        Db.cdsResults.First();
    }
};

void BM_SaveResultsDatabase(benchmark::State& state) {
    TFilledResults filled;
    size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = TDataPacketFile(filled.Db.cdsResults).SaveToBytes();
        size = bytes.size();
    }
    Report(state, size);
}

void BM_LoadResultsDatabase(benchmark::State& state) {
    std::string bytes;
    {
        TFilledResults filled;
        bytes = TDataPacketFile(filled.Db.cdsResults).SaveToBytes();
    }
    TResultsDatabase db(MessageService());
    TDataPacketFile file(db.cdsResults);
    for (auto _ : state) file.LoadFromBytes(bytes);
    Report(state, bytes.size());
}

}  // namespace

BENCHMARK(BM_SaveResultsDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadResultsDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeResults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeResults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveResultsFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadResultsFile)->Unit(benchmark::kMillisecond);
