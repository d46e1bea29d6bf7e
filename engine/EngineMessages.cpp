#include "engine/EngineMessages.h"

#include "platform/rtl/MessageService.h"

namespace {
thread_local std::vector<std::string>* collected = nullptr;
}  // namespace

void ShowEngineMessage(const std::string& text) {
    if (collected)
        collected->push_back(text);
    else
        ShowMessage(text);
}

TEngineMessageCollector::TEngineMessageCollector(std::vector<std::string>& into)
    : FFormer(collected) {
    collected = &into;
}

TEngineMessageCollector::~TEngineMessageCollector() { collected = FFormer; }
