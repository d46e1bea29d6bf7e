#include "platform/ui/Image.h"

#include <QPainter>
#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/Picture.h"

// Draws the picture through a bitmap of the destination's size, so that every graphic class
// draws the way it does on any canvas.
class TImageWidget : public QWidget {
public:
    TImage* image = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        TGraphic* graphic = image ? image->Picture()->Graphic() : nullptr;
        if (!graphic || graphic->Empty()) return;
        TRect dest = image->DestRect();
        if (dest.IsEmpty()) return;
        TBitmap buffer(dest.Width(), dest.Height());
        image->DrawPicture(buffer);
        QPainter painter(this);
        painter.drawImage(dest.Left, dest.Top, buffer.Image());
    }
};

TImage::TImage(TComponent* owner)
    : TControl(owner, new TImageWidget), FPicture(std::make_unique<TPicture>()) {
    static_cast<TImageWidget*>(Widget())->image = this;
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
    static_cast<TImageWidget*>(Widget())->image = nullptr;
    FPicture->OnChange = nullptr;
}

void TImage::SetPicture(const TPicture* value) { FPicture->Assign(value); }

void TImage::DrawPicture(TBitmap& Buffer) {
    Buffer.Canvas()->StretchDraw(Rect(0, 0, Buffer.Width(), Buffer.Height()), FPicture->Graphic());
}

void TImage::SetStretch(bool value) {
    FStretch = value;
    PictureChanged();
}

void TImage::SetCenter(bool value) {
    FCenter = value;
    PictureChanged();
}

void TImage::SetProportional(bool value) {
    FProportional = value;
    PictureChanged();
}

void TImage::PictureChanged() { Widget()->update(); }

TRect TImage::DestRect() const {
    int w = FPicture->Width(), h = FPicture->Height();
    int cw = Width(), ch = Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            double aspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = int(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = int(ch * aspect);
                }
            } else {
                h = ch;
                w = int(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = int(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = FCenter ? (cw - w) / 2 : 0, y = FCenter ? (ch - h) / 2 : 0;
    return Rect(x, y, x + w, y + h);
}
