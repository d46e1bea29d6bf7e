// The runtime's byte and text paths that loaders lean on: many small reads from a file stream
// (a packet reader pulls fields of a few bytes), Windows-1252 decoding of a large text, and a
// string list loading and sorting a file of many lines. Reported as bytes or lines per second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace {

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string(name) + std::to_string(::getpid())))
        .string();
}

void BM_FileStreamSmallReads(benchmark::State& state) {
    const std::string name = TempFile("kv_bench_stream_");
    const int64_t size = 8 << 20;
    {
        TFileStream f(name, fmCreate);
        std::vector<char> block(1 << 16, 'x');
        for (int64_t done = 0; done < size; done += int64_t(block.size()))
            f.WriteBuffer(block.data(), int64_t(block.size()));
        f.Flush();
    }
    const int64_t field = state.range(0);
    char buf[16];
    for (auto _ : state) {
        TFileStream f(name, fmOpenRead);
        for (int64_t done = 0; done + field <= size; done += field) f.ReadBuffer(buf, field);
        benchmark::DoNotOptimize(buf);
    }
    state.SetBytesProcessed(state.iterations() * size);
    std::filesystem::remove(name);
}
BENCHMARK(BM_FileStreamSmallReads)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_Cp1252ToUtf8(benchmark::State& state) {
    std::string bytes;
    for (int i = 0; bytes.size() < (1u << 20); ++i)
        bytes +=
            "Wavelength 10.5 \xB5m, T = 1200 \xB0"
            "C\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(Cp1252ToUtf8(bytes));
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}
BENCHMARK(BM_Cp1252ToUtf8);

void BM_StringListLoadAndSort(benchmark::State& state) {
    const std::string name = TempFile("kv_bench_lines_");
    const int lines = int(state.range(0));
    {
        TStringList list;
        for (int i = 0; i < lines; ++i)
            list.Add("Dataset " + std::to_string((i * 7919) % lines) + " \xC2\xB5m");
        list.SaveToFile(name);
    }
    for (auto _ : state) {
        TStringList list;
        list.LoadFromFile(name);
        list.SetSorted(true);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * lines);
    std::filesystem::remove(name);
}
BENCHMARK(BM_StringListLoadAndSort)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
