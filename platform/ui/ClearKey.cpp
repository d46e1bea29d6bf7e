#include "platform/ui/ClearKey.h"

#include <QImage>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"

void FillWithClearKey(TBitmap& bitmap) {
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(kClearKey);
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

QImage ClearKeyedImage(const TBitmap& bitmap) {
    QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(GetRValue(kClearKey), GetGValue(kClearKey), GetBValue(kClearKey));
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) row[x] = 0;
    }
    return image;
}
