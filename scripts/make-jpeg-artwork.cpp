// Draws resources/CavitySketch.jpg, our own sample picture, with the toolkit's JPEG writer:
//   g++ -fPIC -o /tmp/gen scripts/make-jpeg-artwork.cpp $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/gen resources/CavitySketch.jpg
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
int main(int argc, char** argv) {
    // A blackbody cavity in section: a dark cone inside a warm glow, 64 x 48.
    QImage img(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) img.setPixel(x, y, qRgb(200 + x / 2, 80 + y, 20));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawPolygon(QPolygon({QPoint(8, 8), QPoint(56, 24), QPoint(8, 40)}));
    p.end();
    return img.save(argv[1], "JPG", 90) ? 0 : 1;
}
