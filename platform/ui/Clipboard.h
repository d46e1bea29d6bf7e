#pragma once
// The system clipboard, for text.
#include <string>

class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& value);
    bool HasText() const;
    void Clear();
};

TClipboard* Clipboard();
