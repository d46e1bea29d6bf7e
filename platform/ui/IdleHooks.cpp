#include "platform/ui/IdleHooks.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ui/Application.h"

namespace {
struct THook {
    TIdleHookId Id;
    std::function<void()> Run;
};

struct THooks {
    std::vector<THook> List;
    TIdleHookId NextId = 1;
};

// Main thread only, like the hooks themselves.
THooks& Hooks() {
    static THooks hooks;
    return hooks;
}
}  // namespace

TIdleHookId AddIdleHook(std::function<void()> hook) {
    THooks& hooks = Hooks();
    hooks.List.push_back({hooks.NextId, std::move(hook)});
    return hooks.NextId++;
}

void RemoveIdleHook(TIdleHookId id) {
    auto& list = Hooks().List;
    std::erase_if(list, [id](const THook& h) { return h.Id == id; });
}

void RunIdleHooks() {
    // A copy: hooks may add or remove hooks while they run; one removed meanwhile is skipped.
    const std::vector<THook> hooks = Hooks().List;
    for (const THook& hook : hooks) {
        const auto& now = Hooks().List;
        if (std::any_of(now.begin(), now.end(), [&](const THook& h) { return h.Id == hook.Id; }))
            DispatchEvent(hook.Run);
    }
}

void WakeMainThread() {
    // Queued to the application object, whose thread is the main one; posting is thread-safe.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [] { RunIdleHooks(); }, Qt::QueuedConnection);
}
