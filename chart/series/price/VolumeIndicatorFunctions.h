#pragma once
// The functions that weigh a price series by the traded volume of a second series named in
// Volume: the close location value (accumulated by default) and on-balance volume. Both read
// only price series; the volume series is watched, and its end sets Volume to none.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

class TVolumeIndicatorFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TVolumeIndicatorFunction, TTeeFunction)
public:
    explicit TVolumeIndicatorFunction(TComponent* owner);
    ~TVolumeIndicatorFunction() override;

    TChartSeries* Volume() const { return FVolume; }
    void SetVolume(TChartSeries* value);

    bool AcceptsSource(TComponent* source) const override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    std::vector<double> FOut;  // kept for its capacity

private:
    TChartSeries* FVolume = nullptr;
};

class TCLVFunction : public TVolumeIndicatorFunction {
    KV_DECLARE_CLASS(TCLVFunction, TVolumeIndicatorFunction)
public:
    using TVolumeIndicatorFunction::TVolumeIndicatorFunction;

    bool Accumulate() const { return FAccumulate; }
    void SetAccumulate(bool value);

    // A source that is no price series raises the invalid-cast error.
    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TCLVFuncEditor"; }
    static void Publish(TPublisher<TCLVFunction>& p);

private:
    bool FAccumulate = true;
};

class TOBVFunction : public TVolumeIndicatorFunction {
    KV_DECLARE_CLASS(TOBVFunction, TVolumeIndicatorFunction)
public:
    using TVolumeIndicatorFunction::TVolumeIndicatorFunction;
    // A source that is no price series raises the invalid-cast error.
    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TOBVFuncEditor"; }
    static void Publish(TPublisher<TOBVFunction>& p);
};
