// The fuzz driver of the normal build: runs a harness on every file of the folders given (the
// seeds and the regression inputs), then on a fixed number of mutations of them made from a fixed
// seed, so that ctest repeats the same inputs on every machine.
//
//     kv_fuzz_<reader> [--runs N] [--seed S] [--max-length L] [--timeout SECONDS]
//                      [--known-fault TEXT]... PATH...
//
// A PATH is a folder (every file in it but .gitkeep and *.md) or a file; a file ending in .gz is
// an input kept gzipped because it is large, and is run unpacked. A fault (an exception
// that is not an Exception, a round trip that differs, a crash, an input slower than the timeout)
// ends the program with a message naming the input, the seed and the mutation number, and the
// input is kept as fuzz-failure-<pid>.bin in the working folder to be replayed by passing it.
// A fault whose message contains a --known-fault text is a fault found but not mended yet: it is
// counted and named in the output, and does not fail the run (the list lives beside the ctest
// registration, so that it stays short and visible).
#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "fuzz/Mutator.h"

namespace {

namespace fs = std::filesystem;

struct TInput {
    std::string Name;
    std::string Bytes;
};

// What a signal handler needs to report the input being run: set before each run, read only with
// functions that are safe in a handler.
struct TCurrent {
    const std::string* Bytes = nullptr;
    char Context[512] = "";
    char FailureFile[64] = "";
} gCurrent;

void WriteFailure() {
    if (!gCurrent.Bytes) return;
    int fd = ::creat(gCurrent.FailureFile, 0644);
    if (fd < 0) return;
    const char* p = gCurrent.Bytes->data();
    size_t left = gCurrent.Bytes->size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n <= 0) break;
        p += n;
        left -= size_t(n);
    }
    ::close(fd);
}

void Say(const char* text) {
    if (::write(2, text, std::strlen(text)) < 0) return;
}

extern "C" void OnSignal(int sig) {
    Say(sig == SIGALRM ? "\nFUZZ FAULT: input too slow\n" : "\nFUZZ FAULT: crash\n");
    Say(gCurrent.Context);
    WriteFailure();
    Say("\ninput kept as ");
    Say(gCurrent.FailureFile);
    Say("\n");
    // Ends the program with the signal's usual effect (a slow input as an abort).
    const int end = sig == SIGALRM ? SIGABRT : sig;
    std::signal(end, SIG_DFL);
    std::raise(end);
}

bool ReadPlain(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

bool ReadGzipped(const fs::path& path, std::string& bytes) {
    gzFile in = gzopen(path.c_str(), "rb");
    if (!in) return false;
    char buffer[1 << 16];
    int n;
    while ((n = gzread(in, buffer, sizeof buffer)) > 0) bytes.append(buffer, size_t(n));
    const bool whole = n == 0;
    gzclose(in);
    return whole;
}

void Collect(const fs::path& path, std::vector<TInput>& inputs) {
    if (fs::is_directory(path)) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(path)) {
            const std::string name = entry.path().filename().string();
            if (!entry.is_regular_file() || name == ".gitkeep" || entry.path().extension() == ".md")
                continue;
            files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());  // the same order everywhere
        for (const fs::path& f : files) Collect(f, inputs);
        return;
    }
    std::string bytes;
    if (!(path.extension() == ".gz" ? ReadGzipped(path, bytes) : ReadPlain(path, bytes))) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(2);
    }
    inputs.push_back({path.string(), std::move(bytes)});
}

std::vector<std::string> gKnownFaults;
uint64_t gKnownFaultCount = 0;

// Runs one input; false (after the report) when it revealed a fault that is not a known one.
bool RunOne(const std::string& bytes, unsigned timeout) {
    gCurrent.Bytes = &bytes;
    ::alarm(timeout);
    std::string fault;
    try {
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    } catch (const TFuzzFault& e) {
        fault = std::string("round trip: ") + e.what();
    } catch (const std::exception& e) {
        fault = std::string("escaped exception not derived from Exception: ") + e.what();
    } catch (...) {
        fault = "escaped exception of an unknown type";
    }
    ::alarm(0);
    if (fault.empty()) return true;
    for (const std::string& known : gKnownFaults) {
        if (fault.find(known) == std::string::npos) continue;
        if (gKnownFaultCount++ == 0)
            std::fprintf(stderr, "known fault, not mended yet: %s\n%s\n", fault.c_str(),
                         gCurrent.Context);
        return true;
    }
    std::fprintf(stderr, "FUZZ FAULT: %s\n%s\n", fault.c_str(), gCurrent.Context);
    WriteFailure();
    std::fprintf(stderr, "input kept as %s\n", gCurrent.FailureFile);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    uint64_t runs = 0, seed = 1;
    size_t maxLength = 4096;
    unsigned timeout = 20;
    std::vector<TInput> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&] {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return std::strtoull(argv[++i], nullptr, 10);
        };
        if (arg == "--runs")
            runs = value();
        else if (arg == "--seed")
            seed = value();
        else if (arg == "--max-length")
            maxLength = size_t(value());
        else if (arg == "--timeout")
            timeout = unsigned(value());
        else if (arg == "--known-fault" && i + 1 < argc)
            gKnownFaults.push_back(argv[++i]);
        else
            Collect(arg, inputs);
    }
    std::snprintf(gCurrent.FailureFile, sizeof gCurrent.FailureFile, "fuzz-failure-%d.bin",
                  int(::getpid()));
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGALRM}) std::signal(sig, OnSignal);

    for (const TInput& input : inputs) {
        std::snprintf(gCurrent.Context, sizeof gCurrent.Context, "input: %s", input.Name.c_str());
        if (!RunOne(input.Bytes, timeout)) return 1;
    }
    if (runs > 0 && inputs.empty()) {
        std::fprintf(stderr, "no inputs to mutate\n");
        return 2;
    }
    std::vector<std::string> corpus;
    for (const TInput& input : inputs) corpus.push_back(input.Bytes);
    TMutator mutator(seed, maxLength);
    for (uint64_t run = 0; run < runs; ++run) {
        const size_t from = size_t(mutator.Below(corpus.size()));
        const std::string bytes = mutator.Mutate(corpus, from);
        std::snprintf(gCurrent.Context, sizeof gCurrent.Context,
                      "mutation %llu of seed %llu (from %s; replay: --seed %llu --runs %llu)",
                      (unsigned long long)run, (unsigned long long)seed, inputs[from].Name.c_str(),
                      (unsigned long long)seed, (unsigned long long)(run + 1));
        if (!RunOne(bytes, timeout)) return 1;
    }
    std::printf("%zu inputs and %llu mutations (seed %llu) passed", inputs.size(),
                (unsigned long long)runs, (unsigned long long)seed);
    if (gKnownFaultCount)
        std::printf(", %llu with a known fault", (unsigned long long)gKnownFaultCount);
    std::printf("\n");
    return 0;
}
