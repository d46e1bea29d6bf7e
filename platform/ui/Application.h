#pragma once
// The application object: owns the toolkit's application, holds the program title and runs the
// message loop, the program's only main loop.
#include <memory>
#include <string>

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title) { FTitle = title; }

    // Shows an empty top-level window captioned with the title; the loop ends when it closes.
    // Without a display (the off-screen platform) nobody can close it, so it closes itself after
    // autoCloseMs milliseconds when that is positive.
    void ShowMainWindow(int autoCloseMs);
    // Runs the message loop until the main window closes; returns the exit code.
    int Run();
    // Lets the toolkit handle every pending event (long loops call this to keep windows alive).
    static void ProcessMessages();
    // True when the toolkit draws off screen (tests, machines without a display).
    static bool IsOffscreen();

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    std::string FTitle;
};
