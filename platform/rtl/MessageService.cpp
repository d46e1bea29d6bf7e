#include "platform/rtl/MessageService.h"

IMessageService::~IMessageService() = default;

namespace {

class TSilentMessages final : public IMessageService {
public:
    void ShowMessage(const std::string&) override {}
    bool ConfirmYesNo(const std::string&) override { return false; }
};

TSilentMessages silentMessages;
IMessageService* currentService = nullptr;

}  // namespace

IMessageService& MessageService() { return currentService ? *currentService : silentMessages; }

IMessageService* SetMessageService(IMessageService* service) {
    IMessageService* former = currentService;
    currentService = service;
    return former;
}

void ShowMessage(const std::string& text) { MessageService().ShowMessage(text); }

bool ConfirmYesNo(const std::string& text) { return MessageService().ConfirmYesNo(text); }
