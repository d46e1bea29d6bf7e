#include "gif/LZWEncoder.h"

#include <cstring>

void THashTable::Clear() { std::memset(FTable, 0xFF, sizeof(FTable)); }

void THashTable::Insert(uint32_t key, int code) {
    int h = HashKey(key);
    while (!IsEmpty(FTable[h])) h = NextHashKey(h);
    FTable[h] = (key << 12) | uint32_t(code);
}

int THashTable::Lookup(uint32_t key) const {
    int h = HashKey(key);
    while (!IsEmpty(FTable[h])) {
        if ((FTable[h] >> 12) == key) return int(FTable[h] & 0xFFF);
        h = NextHashKey(h);
    }
    return -1;
}

TLZWEncoder::TLZWEncoder() = default;
TLZWEncoder::~TLZWEncoder() = default;

void TLZWEncoder::Output(int code) {
    TGIFEncoder::Output(code);
    if (FFreeEntry > FMaxCode || FClearFlag) {
        if (FClearFlag) {
            FCodeWidth = FInitCodeWidth;
            FMaxCode = (1 << FCodeWidth) - 1;
            FClearFlag = false;
        } else {
            ++FCodeWidth;
            FMaxCode = FCodeWidth == 12 ? 4096 : (1 << FCodeWidth) - 1;
        }
    }
}

void TLZWEncoder::Clear() {
    TGIFEncoder::Clear();  // the clear code goes out at the current width
    FHashTable->Clear();
    FFreeEntry = FClearCode + 2;
}

void TLZWEncoder::DoCompress() {
    FHashTable = std::make_unique<THashTable>();
    FFreeEntry = FClearCode + 2;
    Clear();
    int prefix = TakePixel();
    while (BumpPixel()) {
        const int c = TakePixel();
        const uint32_t key = (uint32_t(prefix) << 8) | uint32_t(c);
        const int code = FHashTable->Lookup(key);
        if (code >= 0) {
            prefix = code;
            continue;
        }
        Output(prefix);
        prefix = c;
        if (FFreeEntry >= 4095) {
            Clear();
        } else {
            FHashTable->Insert(key, FFreeEntry);
            ++FFreeEntry;
        }
    }
    Output(prefix);
    FHashTable.reset();
}
