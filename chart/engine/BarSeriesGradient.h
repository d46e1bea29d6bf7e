#pragma once
// The fill of gradient bars. Its end colour is no setting: each bar sets it before it is filled,
// to its own colour or, with Relative, to a colour between the start colour and its own by
// where its value lies between the lowest and the highest value.
#include "chart/foundation/TeeGradient.h"

class TBarSeriesGradient : public TCustomTeeGradient {
    KV_DECLARE_CLASS(TBarSeriesGradient, TCustomTeeGradient)
public:
    explicit TBarSeriesGradient(TNotifyEvent onChange = nullptr);

    bool Relative() const { return FRelative; }
    void SetRelative(bool value);

    static void Publish(TPublisher<TBarSeriesGradient>& p);

protected:
    bool CopyExtraSettings(const TCustomTeeGradient& source) override;

private:
    bool FRelative = false;
};
