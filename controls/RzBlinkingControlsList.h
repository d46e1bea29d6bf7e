#pragma once
// The one process-wide timer that makes blinking controls blink in step: on and off phases of
// their own lengths (500 ms each at first), shared by every control of the process. The list
// exists while at least one control is registered.
#include <cstdint>
#include <vector>

class TTimer;

// A control that can blink: asked on every tick whether it blinks now, then told the phase.
class IRzBlinker {
public:
    virtual ~IRzBlinker() = default;
    virtual bool BlinkQuery() = 0;
    virtual void Blink(bool on) = 0;
};

class TRzBlinkingControlsList {
public:
    TRzBlinkingControlsList();
    ~TRzBlinkingControlsList();
    TRzBlinkingControlsList(const TRzBlinkingControlsList&) = delete;
    TRzBlinkingControlsList& operator=(const TRzBlinkingControlsList&) = delete;

    virtual int BlinkerCount() const { return int(FBlinkers.size()); }
    void AddBlinker(IRzBlinker* blinker);
    void RemoveBlinker(IRzBlinker* blinker);
    // One timer event: the phase turns and every blinking control is told.
    void BlinkTick();

    bool BlinkOn() const { return FBlinkOn; }
    int IntervalOn() const { return FIntervalOn; }
    void SetIntervalOn(int value) { FIntervalOn = uint16_t(value); }
    int IntervalOff() const { return FIntervalOff; }
    void SetIntervalOff(int value) { FIntervalOff = uint16_t(value); }
    TTimer* Timer() const { return FTimer; }

private:
    std::vector<IRzBlinker*> FBlinkers;
    TTimer* FTimer;  // owned
    uint16_t FIntervalOn = 500;
    uint16_t FIntervalOff = 500;
    bool FBlinkOn = true;
};

// The shared list: made by the first registration, freed when the last control leaves.
TRzBlinkingControlsList* BlinkingControls();
void AddBlinker(IRzBlinker* blinker);
void RemoveBlinker(IRzBlinker* blinker);
