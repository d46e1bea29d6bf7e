#pragma once
// An annotation that is a hyperlink: a click opens its address with the desktop's handler, and
// a hint shows while the mouse is over it.
#include <string>

#include "chart/tools/annotation/AnnotationTool.h"

class TLinkTool : public TAnnotationTool {
    KV_DECLARE_CLASS(TLinkTool, TAnnotationTool)
public:
    explicit TLinkTool(TComponent* owner);

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    const std::string& URL() const { return FURL; }
    // An empty text takes the address.
    void SetURL(const std::string& value);

    // What a click opens: the trimmed address, else the trimmed text when it reads as a web
    // address ("www." or "http://" in any case); empty for nothing.
    std::string Target() const;

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Link"; }
    static std::string KindDescription() {
        return "Displays clickable text to navigate to a URL internet address.";
    }
    static std::string EditorClassName() { return "TLinkToolEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TLinkTool>& p);

private:
    void ShowLinkHint(int x, int y);
    void HideLinkHint();

    std::string FHint;
    std::string FURL;
    std::string FSavedHint;
};
