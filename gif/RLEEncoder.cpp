#include "gif/RLEEncoder.h"

#include <cmath>

void TRLEEncoder::Clear() {
    FBumpThreshold = FBumpInit;
    FClearThreshold = FClearInit;
    FOutCount = 0;
    FTableRunLength = 0;
    TGIFEncoder::Clear();
    FCodeWidth = FInitCodeWidth;
}

void TRLEEncoder::PlainOutput(int code) {
    FClearFlag = false;
    Output(code);
    ++FOutCount;
    if (FOutCount >= FBumpThreshold) {
        // The decoder's table reaches the next width here.
        FBumpThreshold += 1 << FCodeWidth;
        ++FCodeWidth;
    }
    if (FOutCount >= FClearThreshold) Clear();
}

void TRLEEncoder::ResetClear() {
    FClearThreshold = FClearInit;
    if (FOutCount >= FClearThreshold) Clear();
}

// Codes needed to send count pixels as runs 1, 2, ..., n, 1, 2, ...
int TRLEEncoder::TriangleCost(int count, int n) {
    const int t = n * (n + 1) / 2;
    int cost = (count / t) * n;
    const int r = count % t;
    if (r > 0) {
        int m = int(std::sqrt(double(r)));
        while (m > 0 && m * (m + 1) >= 2 * r) --m;
        while (m * (m + 1) < 2 * r) ++m;
        cost += m;
    }
    return cost;
}

void TRLEEncoder::FlushFromClear(int count) {
    MaxOutClear();
    FTablePixel = FRunPixel;
    int n = 1;
    while (count > 0) {
        if (n == 1) {
            FTableRunLength = 1;
            PlainOutput(FRunPixel);
            --count;
        } else if (count >= n) {
            FTableRunLength = n;
            PlainOutput(FBaseCode + n - 2);
            count -= n;
        } else {
            ++FTableRunLength;
            PlainOutput(count == 1 ? FRunPixel : FBaseCode + count - 2);
            count = 0;
        }
        n = FOutCount == 0 ? 1 : n + 1;  // a clear starts the runs again
    }
    ResetClear();
}

void TRLEEncoder::FlushClearOrRepeat(int count) {
    if (1 + TriangleCost(count, FMaxCodes) < count) {
        Clear();
        FlushFromClear(count);
    } else {
        for (int i = 0; i < count; ++i) PlainOutput(FRunPixel);
    }
}

void TRLEEncoder::FlushWithTable(int count) {
    const int length = FTableRunLength;
    int repeats = count / length;
    int left = count % length;
    int extra = left > 0 ? 1 : 0;
    if (FOutCount + repeats + extra > FMaxCodes) {
        repeats = FMaxCodes - FOutCount;
        left = count - repeats * length;
        extra = 1 + TriangleCost(left, FMaxCodes);
    }
    if (1 + TriangleCost(count, FMaxCodes) < repeats + extra) {
        Clear();
        FlushFromClear(count);
        return;
    }
    MaxOutClear();
    for (int i = 0; i < repeats; ++i) PlainOutput(FBaseCode + length - 2);
    if (left > 0) {
        if (FClearFlag)
            FlushFromClear(left);
        else
            PlainOutput(left == 1 ? FRunPixel : FBaseCode + left - 2);
    }
    ResetClear();
}

void TRLEEncoder::Flush(int count) {
    if (count == 1)
        PlainOutput(FRunPixel);
    else if (FClearFlag)
        FlushFromClear(count);
    else if (FTableRunLength > 1 && FTablePixel == FRunPixel)
        FlushWithTable(count);
    else
        FlushClearOrRepeat(count);
}

void TRLEEncoder::DoCompress() {
    FBumpInit = FClearCode - 1;
    FClearInit = FBitsPerPixel <= 3 ? 9 : FClearCode - 2;
    FMaxCodes = 4095 - FBaseCode;
    Clear();
    FRunPixel = -1;
    int runCount = 0;
    do {
        const int c = TakePixel();
        if (runCount > 0 && c != FRunPixel) {
            Flush(runCount);
            runCount = 0;
        }
        if (c == FRunPixel) {
            ++runCount;
        } else {
            FRunPixel = c;
            runCount = 1;
        }
    } while (BumpPixel());
    Flush(runCount);
}
