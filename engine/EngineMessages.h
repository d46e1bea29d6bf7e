#pragma once
// The messages the tracer shows on its way (a zero normal, a start point that cannot be moved off
// a node). On the thread that drives the program they go straight to the message service; a
// thread that traces rays for a run collects them instead, and the run shows them from the
// driving thread, in the order of the rays they came from.
#include <string>
#include <vector>

void ShowEngineMessage(const std::string& text);

// While it lives, the messages of this thread are appended to `into` instead of being shown.
class TEngineMessageCollector {
public:
    explicit TEngineMessageCollector(std::vector<std::string>& into);
    ~TEngineMessageCollector();
    TEngineMessageCollector(const TEngineMessageCollector&) = delete;
    TEngineMessageCollector& operator=(const TEngineMessageCollector&) = delete;

private:
    std::vector<std::string>* FFormer;
};
