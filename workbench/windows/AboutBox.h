#pragma once
// The about box: the program's title and model with two pictures on a white panel that closes the
// box when clicked, and a link to the maker's web page. It frees itself when it closes.
#include "platform/ui/Form.h"

class TImage;
class TLabel;
class TPanel;

// The maker's web page the link opens.
inline constexpr const char* MakerWebPage = "https://www.talvor.example/";

class TFAbout : public TForm {
    KV_DECLARE_CLASS(TFAbout, TForm)
public:
    explicit TFAbout(TComponent* owner);

    TPanel* Panel1;
    TLabel *lTitle, *lModel, *lLink;
    TImage *imgPicture, *imgSmallPicture;
};
