#pragma once
// One viewing condition traced on several threads. Its rays are split into blocks of
// RaysPerBlock, and each block is traced from a generator stream of its own, keyed by the run's
// seed, the viewing condition and the block number, by whichever worker takes it; every worker
// has its own ray, radiance ratio cache and generator (they live per thread) and only reads the
// shared area. The sums of every block are added to the condition's sums in block order, so a
// run's results are the same bits whatever the number of threads.
//
// Workers never call the program around the engine: the thread that drives the run polls the
// trace for its progress, the messages of its rays and its end, and asks it to stop. A ray that
// fails in a worker is carried to that thread too: the first failure in ray order, with the
// messages its block showed before it.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/Global.h"

// Fixed, so that the streams and the order of the sums do not depend on the number of threads;
// a block is long enough that its generator's seeding and its summing cost nothing that shows,
// and short enough that eight threads share a run of a few thousand rays.
inline constexpr uint32_t RaysPerBlock = 256;

// The settings of a run that are no part of a dataset; tests and benchmarks set them.
struct TRunOptions {
    // Threads that trace a viewing condition; 0 is every hardware thread.
    unsigned Threads = 0;
    // The seed PrepareRun gives the generator; none takes one from the clock.
    std::optional<uint32_t> Seed;
};
extern TRunOptions RunOptions;

// Puts options in force while it lives and the former ones back after it.
class TRunOptionsGuard {
public:
    explicit TRunOptionsGuard(const TRunOptions& options) : FFormer(RunOptions) {
        RunOptions = options;
    }
    ~TRunOptionsGuard() { RunOptions = FFormer; }
    TRunOptionsGuard(const TRunOptionsGuard&) = delete;
    TRunOptionsGuard& operator=(const TRunOptionsGuard&) = delete;

private:
    TRunOptions FFormer;
};

// RunOptions.Threads, or the number of hardware threads (at least 1) for 0.
unsigned RunThreadCount();

// The sums of one viewing condition: the start weights of its rays and their isothermal and
// non-isothermal sums at wavelengths 0..WavelengthCount.
struct TConditionSums {
    Real Weight = 0;
    TSpectrum Iso, Noniso;
};

// A ray that ended the trace: the TraceRay message, or the exception it raised.
struct TTraceFailure {
    uint64_t Block = 0;
    std::string Message;
    std::exception_ptr Error;
    std::vector<std::string> Messages;  // shown by the block's rays before it, in order
};

class TConditionTrace {
public:
    // Starts tracing Shared.RayCount rays of viewing condition Shared.CurVC on up to `threads`
    // workers (never more than there are blocks). The shared area must not change until Join.
    TConditionTrace(uint64_t runSeed, unsigned threads);
    // Stops and joins the workers (a driver that unwinds leaves no thread behind).
    ~TConditionTrace();
    TConditionTrace(const TConditionTrace&) = delete;
    TConditionTrace& operator=(const TConditionTrace&) = delete;

    // Waits until every worker has ended or `timeout` has passed; true when they have ended.
    bool Wait(std::chrono::milliseconds timeout);
    // Rays of the blocks summed so far.
    uint32_t RaysSummed() const { return FRaysSummed.load(std::memory_order_relaxed); }
    // Appends the messages of the blocks summed since the last call to `out`, in ray order.
    void TakeMessages(std::vector<std::string>& out);
    // Asks the workers to leave at their next ray; blocks not finished are dropped.
    void Stop();
    // Waits for every worker to end.
    void Join();

    // After Join: the sums of the blocks summed (every block, unless stopped or failed) and the
    // failure that ended the trace, if any.
    const TConditionSums& Sums() const { return FSums; }
    const std::optional<TTraceFailure>& Failure() const { return FFailure; }

private:
    struct TSlot {
        Real Weight = 0;
        TSpectrum Iso, Noniso;
        uint32_t Rays = 0;
        bool Done = false;
        std::vector<std::string> Messages;
    };

    void Work();
    bool TraceBlock(uint64_t block, TSlot& slot);
    void Finish(uint64_t block);
    void Fail(uint64_t block, std::string message, std::exception_ptr error,
              std::vector<std::string>& messages);
    TSlot& SlotOf(uint64_t block) { return FSlots[block % FSlots.size()]; }

    const uint32_t FRays;
    const uint64_t FBlocks;
    const uint64_t FKey;  // the run's seed and the viewing condition
    const long FCount;    // wavelengths 0..WavelengthCount

    std::mutex FLock;
    std::condition_variable FSlotFree;  // a block was summed, or the trace ends
    std::condition_variable FEnded;     // a worker ended
    // Guarded by FLock: the next block to take, the blocks summed, the workers still running.
    uint64_t FNext = 0;
    uint64_t FSummed = 0;
    unsigned FRunning = 0;
    std::vector<TSlot> FSlots;  // block b is traced into slot b % size
    std::vector<std::string> FPending;
    std::optional<TTraceFailure> FFailure;
    TConditionSums FSums;

    // Read by the workers at every ray.
    std::atomic<bool> FStop{false};
    std::atomic<uint64_t> FFailedBlock{UINT64_MAX};
    std::atomic<uint32_t> FRaysSummed{0};

    std::vector<std::thread> FWorkers;
};
