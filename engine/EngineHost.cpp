#include "engine/EngineHost.h"

IEngineHost::~IEngineHost() = default;

namespace {
class TSilentHost final : public IEngineHost {
public:
    void SetStatusText(int, const std::string&) override {}
    bool IsMainWindowActive() override { return false; }
};

TSilentHost silentHost;
IEngineHost* currentHost = &silentHost;
}  // namespace

IEngineHost& EngineHost() { return *currentHost; }

void SetEngineHost(IEngineHost* host) { currentHost = host ? host : &silentHost; }
