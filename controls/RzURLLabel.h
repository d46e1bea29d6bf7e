#pragma once
// A label that opens its address (its URL, or its caption when the URL is blank) with the
// desktop's handler when clicked, and remembers in its colour that it was visited.
#include <string>

#include "controls/RzLabel.h"

// The pointing hand the URL labels show.
inline constexpr TCursor crRzHandCursor = 26000;

class TRzURLLabel : public TRzLabel {
    KV_DECLARE_CLASS(TRzURLLabel, TRzLabel)
public:
    explicit TRzURLLabel(TComponent* owner);
    ~TRzURLLabel() override;

    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& value) { FURL = value; }
    bool Visited() const { return FVisited; }
    virtual void SetVisited(bool value);
    TColor VisitedColor() const { return FVisitedColor; }
    virtual void SetVisitedColor(TColor value);
    TColor UnvisitedColor() const { return FUnvisitedColor; }
    virtual void SetUnvisitedColor(TColor value);

    // OnClick first, then the address is opened; an opened one is visited.
    void Click() override;

    static void Publish(TPublisher<TRzURLLabel>& p);

protected:
    // The font takes the visited or the unvisited colour.
    virtual void UpdateLinkColor();

private:
    std::string FURL;
    bool FVisited = false;
    TColor FVisitedColor = RGB(128, 0, 128);
    TColor FUnvisitedColor = clHighlight;
};
