#pragma once
// How the workbench's data code talks to the user: a message box and a Yes/No question. The
// windows supply the real boxes; tests supply a recorder.
#include <string>

class IMessageService {
public:
    virtual ~IMessageService();
    // A modal message; "\r" breaks a line.
    virtual void ShowMessage(const std::string& text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool Ask(const std::string& text) = 0;
};
