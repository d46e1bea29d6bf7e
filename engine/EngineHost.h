#pragma once
// What the engine asks of the program around it: the main window's status bar and whether the
// main window is the active one. The main window implements it; tests replace it. Messages go
// through the message service (platform/rtl/MessageService.h).
// Only rare paths (messages, outline texts) call it, never the per-bounce loop.
#include <string>

class IEngineHost {
public:
    virtual ~IEngineHost();
    // Text of panel `panel` (0..2) of the main window's status bar.
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    virtual bool IsMainWindowActive() = 0;
};

// The host in use: the one set last, or a silent one (no status bar, main window not active) when
// none is set.
IEngineHost& EngineHost();
// Installs `host` (not owned); nullptr restores the silent host.
void SetEngineHost(IEngineHost* host);
