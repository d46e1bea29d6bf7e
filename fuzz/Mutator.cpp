#include "fuzz/Mutator.h"

#include <algorithm>

namespace {

// Values that sit on the edges readers check: zero, signs, powers of two and the ends of ranges.
constexpr uint32_t kInteresting[] = {0,          1,      0x7F,   0x80,    0xFF,       0x100,
                                     0x7FFF,     0x8000, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000,
                                     0xFFFFFFFF, 16,     64,     254,     1024,       4096};

}  // namespace

uint64_t TMutator::Next() {
    uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::string TMutator::Mutate(const std::vector<std::string>& corpus, size_t index) {
    std::string data = corpus[index];
    const uint64_t changes = 1 + Below(4);
    for (uint64_t i = 0; i < changes; ++i) MutateOnce(data, corpus);
    if (data.size() > FMaxLength) data.resize(FMaxLength);
    return data;
}

void TMutator::MutateOnce(std::string& data, const std::vector<std::string>& corpus) {
    const size_t n = data.size();
    switch (Below(8)) {
        case 0:  // flip a bit
            if (n) data[Below(n)] ^= char(1u << Below(8));
            break;
        case 1:  // a new byte
            if (n) data[Below(n)] = char(Next());
            break;
        case 2: {  // an interesting integer of 1, 2 or 4 bytes, little or big endian
            if (!n) break;
            uint32_t v = kInteresting[Below(std::size(kInteresting))];
            const size_t width = size_t(1) << Below(3);
            const bool big = Below(2);
            const size_t at = Below(n);
            for (size_t i = 0; i < width && at + i < n; ++i)
                data[at + i] = char(v >> (8 * (big ? width - 1 - i : i)));
            break;
        }
        case 3: {  // insert random bytes
            const size_t count = 1 + Below(8);
            std::string bytes(count, '\0');
            for (char& c : bytes) c = char(Next());
            data.insert(Below(n + 1), bytes);
            break;
        }
        case 4: {  // delete a run
            if (!n) break;
            const size_t at = Below(n);
            data.erase(at, 1 + Below(std::min<size_t>(n - at, 16)));
            break;
        }
        case 5: {  // repeat a run
            if (!n) break;
            const size_t at = Below(n);
            const size_t count = 1 + Below(std::min<size_t>(n - at, 32));
            data.insert(Below(n + 1), data.substr(at, count));
            break;
        }
        case 6: {  // add a small number to a byte
            if (n) data[Below(n)] += char(int(Below(35)) - 17);
            break;
        }
        default: {  // splice: this input's head with another's tail
            const std::string& other = corpus[Below(corpus.size())];
            const size_t head = Below(n + 1);
            const size_t tail = Below(other.size() + 1);
            data = data.substr(0, head) + other.substr(tail);
            break;
        }
    }
}
