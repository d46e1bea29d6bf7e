#pragma once
// Shows its chart alone on a borderless window over the whole desktop while the tool is active.
// The release key (Escape unless told otherwise) or closing that window switches the tool off,
// which puts the chart back on its former parent with its bounds and alignment.
#include <cstdint>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/ui/ControlTypes.h"

class TForm;
class TWinControl;

class TFullScreenTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TFullScreenTool, TTeeCustomTool)
public:
    explicit TFullScreenTool(TComponent* owner);
    // Leaves full screen first.
    ~TFullScreenTool() override;

    // A 16-bit key code.
    int ReleaseKey() const { return FReleaseKey; }
    void SetReleaseKey(int value) { FReleaseKey = uint16_t(value); }
    // Stored; then, with a chart (and not while designed), full screen is entered or left.
    void SetActive(bool value) override;

    // The window the chart is shown on, none while not in full screen.
    TForm* FullScreenForm() const { return FForm; }
    void GoFullScreen();
    void Release();

    static std::string KindName() { return "Full Screen"; }
    static std::string KindDescription() { return "Show Chart maximized to full screen"; }
    static std::string EditorClassName() { return {}; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFullScreenTool>& p);

private:
    void FormKeyUp(int& key);
    void FormCloseQuery(bool& canClose);

    uint16_t FReleaseKey = 27;
    TWinControl* FOldParent = nullptr;
    TAlign FOldAlign = alNone;
    TRect FOldBounds{};
    // Off while the window is closing itself, so that it is not freed a second time.
    bool FFreeForm = true;
    TForm* FForm = nullptr;
};
