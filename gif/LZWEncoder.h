#pragma once
// The LZW encoder: a string table kept in an open-addressing hash keyed by (prefix code, pixel),
// cleared whenever 4095 codes are in use.
#include <cstdint>
#include <memory>

#include "gif/GIFEncoder.h"

class THashTable {
public:
    static constexpr int HashSize = 8009;  // a prime

    THashTable() { Clear(); }
    void Clear();
    static int HashKey(uint32_t key) { return int(((key >> 4) ^ key) % HashSize); }
    static int NextHashKey(int hash) {
        const int d = hash == 0 ? 1 : HashSize - hash;
        hash -= d;
        return hash < 0 ? hash + HashSize : hash;
    }
    void Insert(uint32_t key, int code);
    // The code stored for key, or -1.
    int Lookup(uint32_t key) const;

private:
    static bool IsEmpty(uint32_t slot) { return slot >= 0xFFFFF000u; }
    uint32_t FTable[HashSize];
};

class TLZWEncoder : public TGIFEncoder {
public:
    TLZWEncoder();
    ~TLZWEncoder() override;

protected:
    void Output(int code) override;
    void Clear() override;
    void DoCompress() override;

private:
    std::unique_ptr<THashTable> FHashTable;
    int FFreeEntry = 0;
};
