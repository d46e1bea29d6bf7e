// The cursor table and the toolkit's screen cursor service.
#include <QBitmap>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstring>
#include <map>

#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Resources.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScreenCursorService.h"

namespace {

constexpr int CursorSize = 32;

// The toolkit's shape for each standard cursor, indexed by -cursor. Where the toolkit has no
// shape of its own (drag with several items, a database wait) the nearest one stands in.
constexpr Qt::CursorShape StandardShapes[] = {
    Qt::ArrowCursor,         // crDefault
    Qt::BlankCursor,         // crNone
    Qt::ArrowCursor,         // crArrow
    Qt::CrossCursor,         // crCross
    Qt::IBeamCursor,         // crIBeam
    Qt::SizeAllCursor,       // -5, the old crSize
    Qt::SizeBDiagCursor,     // crSizeNESW
    Qt::SizeVerCursor,       // crSizeNS
    Qt::SizeFDiagCursor,     // crSizeNWSE
    Qt::SizeHorCursor,       // crSizeWE
    Qt::UpArrowCursor,       // crUpArrow
    Qt::WaitCursor,          // crHourGlass
    Qt::DragMoveCursor,      // crDrag
    Qt::ForbiddenCursor,     // crNoDrop
    Qt::SplitHCursor,        // crHSplit
    Qt::SplitVCursor,        // crVSplit
    Qt::DragCopyCursor,      // crMultiDrag
    Qt::BusyCursor,          // crSQLWait
    Qt::ForbiddenCursor,     // crNo
    Qt::BusyCursor,          // crAppStart
    Qt::WhatsThisCursor,     // crHelp
    Qt::PointingHandCursor,  // crHandPoint
    Qt::SizeAllCursor,       // crSizeAll
};

bool IsStandard(TCursor id) { return id <= 0 && id > -int(std::size(StandardShapes)); }

// The registered cursors with their pictures (the toolkit cannot give the picture of a shape).
struct TCursorEntry {
    QCursor cursor;
    QImage picture;  // ARGB, CursorSize square
    QPoint hotSpot;
};

std::map<TCursor, TCursorEntry>& Registered() {
    static std::map<TCursor, TCursorEntry> table;
    return table;
}

const TCursorEntry* EntryOf(TCursor id) {
    auto it = Registered().find(id);
    return it == Registered().end() ? nullptr : &it->second;
}

void Register(TCursor id, const QImage& image, QPoint hotSpot) {
    QImage picture(CursorSize, CursorSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.drawImage(0, 0, image);
    }
    Registered()[id] = TCursorEntry{QCursor(QPixmap::fromImage(picture), hotSpot.x(), hotSpot.y()),
                                    picture, hotSpot};
}

uint16_t Word(const uchar* p) { return uint16_t(p[0] | (p[1] << 8)); }

// A .cur file: the image the toolkit reads, the hot spot from the file's first entry.
bool RegisterCursorFile(TCursor id, const uchar* data, size_t size) {
    if (size < 22 || Word(data) != 0 || Word(data + 2) != 2 || Word(data + 4) == 0) return false;
    QImage image;
    if (!image.loadFromData(data, int(size), "CUR") && !image.loadFromData(data, int(size), "ICO"))
        return false;
    Register(id, image.convertToFormat(QImage::Format_ARGB32),
             QPoint(Word(data + 10), Word(data + 12)));
    return true;
}

// Draws the picture of a standard cursor in our own simple outlines: black on a white rim.
void DrawStandardPicture(TCursor id, QPainter& p) {
    auto outlined = [&p](const QPolygon& shape) {
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::black);
        p.drawPolygon(shape);
    };
    auto line = [&p](int x1, int y1, int x2, int y2) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(x1, y1, x2, y2);
    };
    auto twoHeads = [&](QPoint a, QPoint b) {
        line(a.x(), a.y(), b.x(), b.y());
        for (QPoint tip : {a, b}) {
            const QPoint other = tip == a ? b : a;
            const int dx = other.x() > tip.x() ? 4 : other.x() < tip.x() ? -4 : 0;
            const int dy = other.y() > tip.y() ? 4 : other.y() < tip.y() ? -4 : 0;
            // The head's two sides, square to the shaft.
            outlined(
                QPolygon({tip, tip + QPoint(dx + dy, dy - dx), tip + QPoint(dx - dy, dy + dx)}));
        }
    };
    switch (id) {
        case crNone:
            break;
        case crCross:
            line(15, 4, 15, 26);
            line(4, 15, 26, 15);
            break;
        case crIBeam:
            line(15, 6, 15, 24);
            line(12, 5, 18, 5);
            line(12, 25, 18, 25);
            break;
        case crSizeNS:
            twoHeads({15, 3}, {15, 27});
            break;
        case crSizeWE:
            twoHeads({3, 15}, {27, 15});
            break;
        case crSizeNWSE:
            twoHeads({6, 6}, {24, 24});
            break;
        case crSizeNESW:
            twoHeads({24, 6}, {6, 24});
            break;
        case crSizeAll:
        case -5:
            twoHeads({15, 3}, {15, 27});
            twoHeads({3, 15}, {27, 15});
            break;
        case crHSplit:
            line(14, 5, 14, 25);
            line(16, 5, 16, 25);
            twoHeads({5, 15}, {25, 15});
            break;
        case crVSplit:
            line(5, 14, 25, 14);
            line(5, 16, 25, 16);
            twoHeads({15, 5}, {15, 25});
            break;
        case crUpArrow:
            outlined(
                QPolygon({{15, 2}, {21, 10}, {17, 10}, {17, 26}, {13, 26}, {13, 10}, {9, 10}}));
            break;
        case crHourGlass:
        case crSQLWait:
            outlined(QPolygon({{8, 4}, {22, 4}, {15, 15}}));
            outlined(QPolygon({{15, 15}, {22, 26}, {8, 26}}));
            break;
        case crNo:
        case crNoDrop:
            p.setPen(QPen(Qt::black, 3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPoint(15, 15), 9, 9);
            p.drawLine(9, 21, 21, 9);
            break;
        default:  // the arrow and its kin (default, drag, help, start, hand without a picture)
            outlined(QPolygon({{0, 0}, {0, 16}, {4, 12}, {7, 19}, {9, 18}, {6, 11}, {11, 11}}));
            if (id == crDrag || id == crMultiDrag) p.drawRect(12, 17, 8, 6);
            if (id == crMultiDrag) p.drawRect(14, 19, 8, 6);
            break;
    }
}

// The override cursor of the toolkit, shown over every window while not crDefault.
class TToolkitScreenCursor : public IScreenCursor {
public:
    void SetCursor(TCursor cursor) override {
        if (!qGuiApp) return;
        QCursor shape;
        const bool show = cursor != crDefault && ToolkitCursor(cursor, shape);
        if (!show) {
            if (FOverriding) QGuiApplication::restoreOverrideCursor();
            FOverriding = false;
        } else if (FOverriding) {
            QGuiApplication::changeOverrideCursor(shape);
        } else {
            QGuiApplication::setOverrideCursor(shape);
            FOverriding = true;
        }
    }
    void Release() {
        if (FOverriding && qGuiApp) QGuiApplication::restoreOverrideCursor();
        FOverriding = false;
    }

private:
    bool FOverriding = false;
};

TToolkitScreenCursor& ToolkitScreenCursor() {
    static TToolkitScreenCursor service;
    return service;
}

}  // namespace

bool ToolkitCursor(TCursor id, QCursor& cursor) {
    if (const TCursorEntry* entry = EntryOf(id)) {
        cursor = entry->cursor;
        return true;
    }
    if (!IsStandard(id)) return false;
    cursor = QCursor(StandardShapes[-id]);
    return true;
}

IScreenCursor* InstallToolkitScreenCursor() {
    IScreenCursor* former = SetScreenCursor(&ToolkitScreenCursor());
    ToolkitScreenCursor().SetCursor(ScreenCursorShape());
    return former;
}

void UninstallToolkitScreenCursor(IScreenCursor* former) {
    ToolkitScreenCursor().Release();
    if (&ScreenCursor() == &ToolkitScreenCursor()) SetScreenCursor(former);
}

void SetWidgetCursor(QWidget* widget, TCursor id) {
    QCursor cursor;
    if (id != crDefault && ToolkitCursor(id, cursor))
        widget->setCursor(cursor);
    else
        widget->unsetCursor();  // the parent's, as for crDefault
}

bool TScreen::HasCursor(TCursor id) const { return EntryOf(id) || IsStandard(id); }

void TScreen::SetCursorImage(TCursor id, const TBitmap& image, TPoint hotSpot) {
    QImage picture = image.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = QColor(ColorToRGB(image.TransparentColor()) & 0xFF,
                              (ColorToRGB(image.TransparentColor()) >> 8) & 0xFF,
                              (ColorToRGB(image.TransparentColor()) >> 16) & 0xFF)
                           .rgb();
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((row[x] | 0xFF000000u) == clear) row[x] = 0;
    }
    Register(id, picture, QPoint(hotSpot.X, hotSpot.Y));
}

bool TScreen::SetCursorLike(TCursor id, TCursor existing) {
    if (const TCursorEntry* entry = EntryOf(existing)) {
        const TCursorEntry copy = *entry;
        Registered()[id] = copy;
        return true;
    }
    if (!IsStandard(existing)) return false;
    QImage picture(CursorSize, CursorSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        DrawStandardPicture(existing, p);
    }
    Registered()[id] = TCursorEntry{QCursor(StandardShapes[-existing]), picture, QPoint()};
    return true;
}

bool TScreen::LoadCursorResource(TCursor id, const std::string& name) {
    const TResourceData* r = FindResource(name, "cur");
    return r && RegisterCursorFile(id, r->Data, r->Size);
}

bool TScreen::LoadCursorFromFile(TCursor id, const std::string& fileName) {
    QFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    return RegisterCursorFile(id, reinterpret_cast<const uchar*>(bytes.constData()),
                              size_t(bytes.size()));
}

void TScreen::RemoveCursor(TCursor id) { Registered().erase(id); }

bool TScreen::DrawCursor(TCursor id, TBitmap& bitmap, TPoint* hotSpot) const {
    QImage picture(CursorSize, CursorSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPoint hot;
    if (const TCursorEntry* entry = EntryOf(id)) {
        picture = entry->picture;
        hot = entry->hotSpot;
    } else if (IsStandard(id)) {
        QPainter p(&picture);
        DrawStandardPicture(id, p);
    } else {
        return false;
    }
    QImage onWhite(CursorSize, CursorSize, QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    {
        QPainter p(&onWhite);
        p.drawImage(0, 0, picture);
    }
    bitmap.SetImage(onWhite);
    if (hotSpot) *hotSpot = Point(hot.x(), hot.y());
    return true;
}
