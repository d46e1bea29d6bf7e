#pragma once
// The component a form carries to make its hints balloons: it holds the balloon settings the
// form stores and passes every change to the hint window it is linked to at once. Made at run
// time it installs the balloon window as the application's hint window class (the application
// makes one at once, which links itself to the newest component); freed, it puts back the class
// that was in force before it.
#include <memory>

#include "controls/RzHintWindow.h"
#include "platform/ui/HintWindow.h"

class TRzBalloonHints : public TComponent {
    KV_DECLARE_CLASS(TRzBalloonHints, TComponent)
public:
    explicit TRzBalloonHints(TComponent* owner);
    ~TRzBalloonHints() override;

    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment value);
    TRzBalloonBitmaps* Bitmaps() const { return FBitmaps.get(); }
    int CaptionWidth() const { return FCaptionWidth; }
    virtual void SetCaptionWidth(int value);
    int CenterThreshold() const { return FCenterThreshold; }
    virtual void SetCenterThreshold(int value);
    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    TRzHintCorner Corner() const { return FCorner; }
    virtual void SetCorner(TRzHintCorner value);
    TFont* Font() const { return FFont.get(); }
    virtual void SetFont(const TFont* value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    bool ShowBalloon() const { return FShowBalloon; }
    virtual void SetShowBalloon(bool value);
    // The application's pauses at run time; the component's own copies at design time.
    virtual int GetHintPause() const;
    virtual void SetHintPause(int value);
    virtual int GetHintShortPause() const;
    virtual void SetHintShortPause(int value);

    // Links the window: it takes every setting but CenterThreshold and FrameColor, which reach
    // it through their setters. Null unlinks.
    void LinkHintWindow(TRzCustomHintWindow* window);
    TRzCustomHintWindow* HintWindow() const { return FHintWindow; }

    TSetHintWinSizeEvent OnSetHintWinSize;
    TSetHintRectEvent OnSetHintRect;
    // Called with the application's hint record while the linked window is in use.
    TShowHintEvent OnShowHint;

    static void Publish(TPublisher<TRzBalloonHints>& p);
    // Old forms' "BalloonStyle" and "Shadow" are read and dropped.
    void DefineProperties(TFiler& filer) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Switches the application's hints off and on round the class change, so that a window of
    // the new class is made at once.
    static void InstallHintWindowClass(THintWindowClass windowClass);

    THintWindowClass FFormerHintWindowClass;
    bool FInstalled = false;
    std::unique_ptr<TRzBalloonBitmaps> FBitmaps;
    std::unique_ptr<TFont> FFont;
    TRzCustomHintWindow* FHintWindow = nullptr;
    TAlignment FAlignment = taLeftJustify;
    int FCaptionWidth = 100;
    int FCenterThreshold = 0;
    TColor FColor = clInfoBk;
    TColor FFrameColor = cl3DDkShadow;
    TRzHintCorner FCorner = hcUpperRight;
    bool FShowBalloon = true;
    int FHintPause = 500;
    int FHintShortPause = 50;
};
