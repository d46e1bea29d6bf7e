#pragma once
// Marks the time a modal window of the main window is open, so that the engine knows the main
// window is not the active one (its outline messages are then not shown).
class TForm;

class TModalGuard {
public:
    explicit TModalGuard(TForm&) { ++Depth(); }
    ~TModalGuard() { --Depth(); }
    TModalGuard(const TModalGuard&) = delete;
    TModalGuard& operator=(const TModalGuard&) = delete;

    static bool Active(const TForm&) { return Depth() > 0; }

private:
    static int& Depth() {
        static int depth = 0;
        return depth;
    }
};
