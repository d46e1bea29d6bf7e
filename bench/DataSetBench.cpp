// Storing a run's results: inserting and posting rows into a nested table with a unique
// two-field float index, and walking them in index order. A run of 201 wavelengths (plus the
// total) by 201 viewing conditions stores 40,602 rows; the per-row cost must grow no faster than
// the logarithm of the table size, which the range of sizes below shows.
#include <benchmark/benchmark.h>

#include "platform/db/ClientDataSet.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"

namespace {

struct TResultTables {
    TClientDataSet runs, rows;
    TFloatField* Wavelength;
    TIntegerField* Ivc;
    TFloatField* EE;

    TResultTables() {
        runs.AddField<TStringField>("DatasetName", 100);
        auto* nested = runs.AddField<TDataSetField>("SEERT");
        Wavelength = rows.AddField<TFloatField>("Wavelength");
        Ivc = rows.AddField<TIntegerField>("ivc");
        EE = rows.AddField<TFloatField>("EE");
        rows.IndexDefs().Add("ByWavelength", "Wavelength;ivc", ixUnique);
        rows.SetIndexName("ByWavelength");
        rows.SetDataSetField(nested);
        runs.CreateDataSet();
        runs.Append();
        runs.FieldByName("DatasetName")->SetAsString("run");
        runs.Post();
    }
};

// Inserts rows wavelength-outer, condition-inner, as the run loop stores them.
void InsertRows(TResultTables& t, int wavelengths, int conditions) {
    for (int k = 0; k < wavelengths; ++k)
        for (int v = 1; v <= conditions; ++v) {
            t.rows.Insert();
            t.Wavelength->SetAsFloat(k * 0.5);
            t.Ivc->SetAsInteger(v);
            t.EE->SetAsFloat(0.99);
            t.rows.Post();
        }
    t.runs.Post();
}

void BM_InsertResultRows(benchmark::State& state) {
    const int conditions = static_cast<int>(state.range(0));
    const int wavelengths = 202;
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TResultTables>();
        state.ResumeTiming();
        InsertRows(*t, wavelengths, conditions);
        benchmark::DoNotOptimize(t->rows.RecordCount());
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(
        double(wavelengths) * conditions * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_InsertResultRows)->Arg(5)->Arg(25)->Arg(201)->Unit(benchmark::kMillisecond);

void BM_WalkResultRowsInIndexOrder(benchmark::State& state) {
    TResultTables t;
    InsertRows(t, 202, 201);
    double sum = 0;
    for (auto _ : state) {
        t.rows.DisableControls();
        for (t.rows.First(); !t.rows.Eof(); t.rows.Next()) sum += t.EE->AsFloat();
        t.rows.EnableControls();
    }
    benchmark::DoNotOptimize(sum);
    state.counters["rows/s"] = benchmark::Counter(double(t.rows.RecordCount()) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WalkResultRowsInIndexOrder)->Unit(benchmark::kMillisecond);

}  // namespace
