#include "engine/ConditionTrace.h"

#include <algorithm>

#include "engine/EngineMessages.h"
#include "engine/MT19937.h"
#include "engine/Trace.h"

TRunOptions RunOptions;

unsigned RunThreadCount() {
    if (RunOptions.Threads > 0) return RunOptions.Threads;
    return std::max(1u, std::thread::hardware_concurrency());
}

namespace {

// The SplitMix64 finaliser: a bijection of 64-bit words, so distinct inputs stay distinct.
uint64_t Mix64(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// Blocks that may be traced ahead of the first block not yet summed, per thread: enough that a
// slow block does not hold the others up, few enough that their sums stay small.
constexpr size_t kSlotsPerThread = 4;

}  // namespace

TConditionTrace::TConditionTrace(uint64_t runSeed, unsigned threads)
    : FRays(Shared.RayCount),
      FBlocks((uint64_t(Shared.RayCount) + RaysPerBlock - 1) / RaysPerBlock),
      FKey(Mix64(runSeed) ^ (uint64_t(Shared.CurVC) << 48)),
      FCount(std::min<long>(Shared.WavelengthCount, TSpectrum::HighBound) + 1) {
    const unsigned n =
        static_cast<unsigned>(std::clamp<uint64_t>(FBlocks, 1, std::max(1u, threads)));
    FSlots.resize(kSlotsPerThread * n);
    FWorkers.reserve(n);
    try {
        for (unsigned i = 0; i < n; ++i) {
            {
                std::lock_guard lock(FLock);
                ++FRunning;
            }
            try {
                FWorkers.emplace_back([this] { Work(); });
            } catch (...) {
                std::lock_guard lock(FLock);
                --FRunning;
                throw;
            }
        }
    } catch (...) {
        Stop();
        Join();
        throw;
    }
}

TConditionTrace::~TConditionTrace() {
    Stop();
    Join();
}

bool TConditionTrace::Wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(FLock);
    return FEnded.wait_for(lock, timeout, [this] { return FRunning == 0; });
}

void TConditionTrace::TakeMessages(std::vector<std::string>& out) {
    std::lock_guard lock(FLock);
    for (std::string& m : FPending) out.push_back(std::move(m));
    FPending.clear();
}

void TConditionTrace::Stop() {
    {
        std::lock_guard lock(FLock);
        FStop.store(true, std::memory_order_relaxed);
    }
    FSlotFree.notify_all();
}

void TConditionTrace::Join() {
    for (std::thread& t : FWorkers)
        if (t.joinable()) t.join();
}

void TConditionTrace::Work() {
    for (;;) {
        uint64_t block;
        {
            std::unique_lock lock(FLock);
            const auto over = [this] {
                return FNext >= FBlocks || FNext >= FFailedBlock.load(std::memory_order_relaxed) ||
                       FStop.load(std::memory_order_relaxed);
            };
            FSlotFree.wait(lock, [&] { return over() || FNext < FSummed + FSlots.size(); });
            if (over()) break;
            block = FNext++;
        }
        if (!TraceBlock(block, SlotOf(block))) break;
        Finish(block);
    }
    {
        std::lock_guard lock(FLock);
        --FRunning;
    }
    FEnded.notify_all();
}

// The block's rays from its own stream, summed in ray order into its slot, which no other
// thread touches until the block is done. False when the block was dropped or failed.
bool TConditionTrace::TraceBlock(uint64_t block, TSlot& slot) {
    const long count = FCount;
    slot.Weight = 0;
    for (long k = 0; k < count; ++k) slot.Iso.Data()[k] = slot.Noniso.Data()[k] = 0;
    slot.Rays =
        static_cast<uint32_t>(std::min<uint64_t>(RaysPerBlock, FRays - block * RaysPerBlock));
    slot.Messages.clear();
    std::string message;
    TEngineMessageCollector collect(slot.Messages);
    try {
        MTSeedStream(Mix64(FKey + block));
        Real* iso = slot.Iso.Data();
        Real* noniso = slot.Noniso.Data();
        for (uint32_t r = 0; r < slot.Rays; ++r) {
            if (FStop.load(std::memory_order_relaxed) ||
                block > FFailedBlock.load(std::memory_order_relaxed))
                return false;
            if (!TraceRay(message)) {
                Fail(block, message, nullptr, slot.Messages);
                return false;
            }
            slot.Weight += Ray.RayWeight;
            const Real* rayIso = Ray.RaySums[0].Data();
            const Real* rayNoniso = Ray.RaySums[1].Data();
            for (long k = 0; k < count; ++k) {
                iso[k] += rayIso[k];
                noniso[k] += rayNoniso[k];
            }
        }
    } catch (...) {
        Fail(block, std::string(), std::current_exception(), slot.Messages);
        return false;
    }
    return true;
}

// Marks the block done and sums every done block that follows the last one summed, in order.
void TConditionTrace::Finish(uint64_t block) {
    {
        std::lock_guard lock(FLock);
        SlotOf(block).Done = true;
        const long count = FCount;
        Real* iso = FSums.Iso.Data();
        Real* noniso = FSums.Noniso.Data();
        while (FSummed < FNext && SlotOf(FSummed).Done) {
            TSlot& slot = SlotOf(FSummed);
            FSums.Weight += slot.Weight;
            for (long k = 0; k < count; ++k) {
                iso[k] += slot.Iso.Data()[k];
                noniso[k] += slot.Noniso.Data()[k];
            }
            for (std::string& m : slot.Messages) FPending.push_back(std::move(m));
            slot.Done = false;
            FRaysSummed.fetch_add(slot.Rays, std::memory_order_relaxed);
            ++FSummed;
        }
    }
    FSlotFree.notify_all();
}

// Keeps the failure of the earliest block: the blocks before it go on (one of their rays may fail
// first, as it would on one thread), the blocks after it are dropped.
void TConditionTrace::Fail(uint64_t block, std::string message, std::exception_ptr error,
                           std::vector<std::string>& messages) {
    {
        std::lock_guard lock(FLock);
        if (!FFailure || block < FFailure->Block) {
            FFailure =
                TTraceFailure{block, std::move(message), std::move(error), std::move(messages)};
            FFailedBlock.store(block, std::memory_order_relaxed);
        }
    }
    FSlotFree.notify_all();
}
