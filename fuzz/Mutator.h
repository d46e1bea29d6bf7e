#pragma once
// A small deterministic mutator for the fuzz driver of the normal build: from a corpus of inputs
// and a seed it makes the same sequence of mutated inputs on every machine (bit flips, changed
// bytes, interesting integers, inserted, deleted and repeated runs, and splices of two inputs).
#include <cstdint>
#include <string>
#include <vector>

class TMutator {
public:
    TMutator(uint64_t seed, size_t maxLength) : FState(seed), FMaxLength(maxLength) {}

    // A mutation of corpus[index] with one to four changes; other corpus entries may be spliced in.
    std::string Mutate(const std::vector<std::string>& corpus, size_t index);
    // A number below n (n > 0).
    uint64_t Below(uint64_t n) { return Next() % n; }

private:
    uint64_t Next();  // splitmix64: fixed across platforms, unlike the standard distributions
    void MutateOnce(std::string& data, const std::vector<std::string>& corpus);

    uint64_t FState;
    size_t FMaxLength;
};
