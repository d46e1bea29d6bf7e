#pragma once
// How the program talks to the user in plain messages and Yes/No questions, from every layer. The
// engine and the workbench's data code run without a display, so the service is declared here;
// the window layer puts the toolkit's message boxes in force while the application object lives,
// and tests put a recorder in force. With none in force, messages are dropped and every question
// is answered No, so that nothing waits for a person.
#include <string>

class IMessageService {
public:
    virtual ~IMessageService();
    // A modal message; "\r" breaks a line.
    virtual void ShowMessage(const std::string& text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool ConfirmYesNo(const std::string& text) = 0;
};

// The service in force: the one set last, or the silent one.
IMessageService& MessageService();
// Puts service in force (not owned; null brings the silent one back) and returns the former one.
IMessageService* SetMessageService(IMessageService* service);

// The service in force, shown or asked.
void ShowMessage(const std::string& text);
bool ConfirmYesNo(const std::string& text);
