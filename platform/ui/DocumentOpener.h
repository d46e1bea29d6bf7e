#pragma once
// Opening an address with the desktop's handler (the browser, the mail program). Only web pages
// (http, https) and mail addresses (mailto) are opened; anything else, local files and programs
// included, is refused. The opener is a service that tests replace, so that they record the
// address instead of opening it.
#include <string>

class IDocumentOpener {
public:
    virtual ~IDocumentOpener();
    // Hands an address already checked to the handler; false when it could not.
    virtual bool Open(const std::string& address) = 0;
};

// Installs opener (not owned; nullptr: the desktop's) and returns the former one, or null for the
// desktop's.
IDocumentOpener* SetDocumentOpener(IDocumentOpener* opener);
// Whether the address is one this program opens: "http://", "https://" or "mailto:" (any letter
// case) followed by at least one character, and no control characters or spaces.
bool IsOpenableAddress(const std::string& address);
// Opens the address through the installed opener; false, nothing done, for a refused address.
bool OpenDocument(const std::string& address);
