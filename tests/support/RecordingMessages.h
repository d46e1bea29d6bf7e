#pragma once
// A message service for tests: it records every message shown and every question asked, answers
// the questions with Answer, and is in force while it lives.
#include <string>
#include <vector>

#include "platform/rtl/MessageService.h"

class TRecordingMessages : public IMessageService {
public:
    TRecordingMessages() : FFormer(SetMessageService(this)) {}
    ~TRecordingMessages() override { SetMessageService(FFormer); }
    TRecordingMessages(const TRecordingMessages&) = delete;
    TRecordingMessages& operator=(const TRecordingMessages&) = delete;

    void ShowMessage(const std::string& text) override { Shown.push_back(text); }
    bool ConfirmYesNo(const std::string& text) override {
        Asked.push_back(text);
        return Answer;
    }

    std::vector<std::string> Shown, Asked;
    bool Answer = true;

private:
    IMessageService* FFormer;
};
