#pragma once
// A borderless top-level window that never takes the focus, cut to a region and showing a
// picture: the body of custom hint windows. Coordinates of the shape and the picture are the
// window's own, (0, 0) at its top-left.
#include <memory>

#include "platform/graphics/Geometry.h"
#include "platform/ui/MouseMessage.h"

class TBitmap;
class TRegion;
class QWidget;

class TShapedWindow {
public:
    TShapedWindow();
    ~TShapedWindow();
    TShapedWindow(const TShapedWindow&) = delete;
    TShapedWindow& operator=(const TShapedWindow&) = delete;

    // On the screen.
    TRect BoundsRect() const;
    void SetBoundsRect(const TRect& r);
    // Pixels outside the shape are not part of the window; an empty region means the whole
    // rectangle.
    const TRegion& Shape() const;
    void SetShape(const TRegion& region);
    // Copied; drawn at the window's top-left.
    void SetPicture(const TBitmap& picture);
    const TBitmap& Picture() const;

    void Show();
    void Hide();
    bool Visible() const;
    QWidget* Widget() const;

    // The mouse messages over the window, in its own coordinates (moves also without a button
    // held); the return value is not used.
    TMouseFilter OnMouse;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
