#include "platform/ui/Control.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QRegion>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/FontEngine.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/DragOperation.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SizeConstraints.h"
#include "platform/ui/ToolkitInput.h"

namespace {
const char* const ControlProperty = "kvControl";

TControl* ControlOfWidget(QWidget* w) { return ControlOfToolkitWidget(w); }

QColor ToQColor(TColor color) {
    TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TMouseButton MouseButtonOf(Qt::MouseButton b) {
    return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
}

// The short half of a hint "short|long".
QString ShortHint(const std::string& hint) {
    return QString::fromStdString(hint.substr(0, hint.find('|')));
}
}  // namespace

// The control whose widget is w or holds w (inner parts of a compound widget), or null.
TControl* ControlOfToolkitWidget(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        QVariant v = w->property(ControlProperty);
        if (v.isValid()) return reinterpret_cast<TControl*>(v.value<quintptr>());
    }
    return nullptr;
}

// Hands the widget's events to its control before the widget sees them, and the mouse events of
// inner parts that take them (TakeMouseEventsOf) in the widget's coordinates.
class TControlBridge : public QObject {
public:
    explicit TControlBridge(TControl* control) : FControl(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (FControl->ComponentState().Contains(csDestroying)) return false;
        if (watched != FControl->FWidget) return PartEvent(static_cast<QWidget*>(watched), event);
        // An event a part left unhandled comes up to the widget: it was seen already.
        if (event == FForwarded) return false;
        return Deliver(event);
    }

private:
    // The drag under way takes its source's mouse events first.
    bool Deliver(QEvent* event) {
        TDragOperation* drag = TDragOperation::Current();
        if (drag && drag->Source() == FControl && drag->SourceEvent(event)) return true;
        return FControl->ToolkitEvent(event);
    }

    bool PartEvent(QWidget* part, QEvent* event) {
        FForwarded = nullptr;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::MouseButtonRelease: {
                auto* e = static_cast<QMouseEvent*>(event);
                QMouseEvent moved(e->type(), part->mapTo(FControl->FWidget, e->position()),
                                  e->globalPosition(), e->button(), e->buttons(), e->modifiers());
                FForwarded = event;
                return Deliver(&moved);
            }
            case QEvent::Wheel: {
                auto* e = static_cast<QWheelEvent*>(event);
                QWheelEvent moved(part->mapTo(FControl->FWidget, e->position()),
                                  e->globalPosition(), e->pixelDelta(), e->angleDelta(),
                                  e->buttons(), e->modifiers(), e->phase(), e->inverted());
                FForwarded = event;
                return Deliver(&moved);
            }
            default:
                return false;
        }
    }

    TControl* FControl;
    const QEvent* FForwarded = nullptr;

public:
    // Every control hears that the desktop's colours changed.
    static void SystemColorsChanged() {
        for (QWidget* w : QApplication::allWidgets()) {
            const QVariant v = w->property(ControlProperty);
            if (!v.isValid()) continue;
            auto* control = reinterpret_cast<TControl*>(v.value<quintptr>());
            if (control->ComponentState().Contains(csDestroying)) continue;
            control->Fire([control] { control->SysColorChange(); });
        }
    }
};

namespace {
// The toolkit tells the application, not each widget, that its palette changed (a new desktop
// theme): one watcher per application hands that on to the controls.
class TSystemColorWatcher : public QObject {
public:
    static void Install() {
        static QPointer<TSystemColorWatcher> installed;
        if (installed || !qApp) return;
        installed = new TSystemColorWatcher;
        installed->setParent(qApp);  // it ends with the application
        qApp->installEventFilter(installed);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            TControlBridge::SystemColorsChanged();
        return false;
    }
};
}  // namespace

const TEnumInfo& AlignNames() {
    static const TEnumInfo names{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
    return names;
}

const TEnumInfo& DragModeNames() {
    static const TEnumInfo names{"dmManual", "dmAutomatic"};
    return names;
}

const TEnumInfo& AnchorNames() {
    static const TEnumInfo names{"akLeft", "akTop", "akRight", "akBottom"};
    return names;
}

// ---------------------------------------------------------------------------------------------
// TControl

void TControl::Publish(TPublisher<TControl>& p) {
    p.Integer("Left", &TControl::Left, &TControl::SetLeft).NoDefault();
    p.Integer("Top", &TControl::Top, &TControl::SetTop).NoDefault();
    p.Integer("Width", &TControl::Width, &TControl::SetWidth).NoDefault();
    p.Integer("Height", &TControl::Height, &TControl::SetHeight).NoDefault();
    p.Enumeration("Align", AlignNames(), &TControl::Align, &TControl::SetAlign).Default(alNone);
    p.Set("Anchors", AnchorNames(), &TControl::Anchors, &TControl::SetAnchors)
        .Default(int64_t(TAnchors{akLeft, akTop}.Mask()));
    p.String("Caption", &TControl::Caption, &TControl::SetCaption);
    p.Color("Color", &TControl::Color, &TControl::SetColor)
        .Default(clBtnFace)
        .Stored([](const TControl& c) { return !c.ParentColor(); });
    p.Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    p.Object("Constraints", &TControl::Constraints);
    p.Integer("Cursor", &TControl::Cursor, &TControl::SetCursor)
        .Default(crDefault)
        .Idents(CursorIdentConverter());
    p.Integer("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdentConverter());
    p.Enumeration("DragMode", DragModeNames(), &TControl::DragMode, &TControl::SetDragMode)
        .Default(dmManual);
    p.Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    p.Object("Font", &TControl::Font).Stored([](const TControl& c) { return !c.ParentFont(); });
    p.Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
    p.String("Hint", &TControl::Hint, &TControl::SetHint);
    p.Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(false);
    p.Boolean("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
}

TControl::TControl(TComponent* owner, QWidget* widget)
    : TComponent(owner),
      FWidget(widget),
      FBridge(new TControlBridge(this)),
      FFont(std::make_unique<TFont>()),
      FConstraints(std::make_unique<TSizeConstraints>()) {
    FWidget->setProperty(ControlProperty, QVariant::fromValue(quintptr(this)));
    FWidget->installEventFilter(FBridge);
    TSystemColorWatcher::Install();
    FWidget->setMouseTracking(true);  // OnMouseMove also without a button held
    FFont->OnChange = [this](TObject*) { FontObjectChanged(); };
    FConstraints->OnChange = [this](TObject*) { ConstraintsChanged(); };
    // Every control starts in the platform's default font, not the toolkit's.
    FWidget->setFont(ToolkitFont(*FFont));
    FWidth = FWidget->width();
    FHeight = FWidget->height();
}

TControl::~TControl() {
    Destroying();
    TDragOperation::SourceGone(this);
    delete FBridge;
    FBridge = nullptr;
    if (FParent) FParent->RemoveControl(this);
    QObject::disconnect(FWidget, nullptr, nullptr, nullptr);
    delete FWidget;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (FParent) {
        TWinControl* former = FParent;
        former->RemoveControl(this);
        FParent = nullptr;
        former->Realign();
    }
    FParent = parent;
    if (parent) {
        parent->InsertControl(this);
        if (FParentFont) TakeParentFont();
        if (FParentColor) TakeParentColor();
        parent->Realign();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = FConstraints->ConstrainWidth(std::max(width, 0));
    height = FConstraints->ConstrainHeight(std::max(height, 0));
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    ApplyGeometry();
    if (resized) Resize();
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::ApplyGeometry() {
    if (FWidget->isWindow()) {
        FWidget->move(FLeft, FTop);
        FWidget->resize(FWidth, FHeight);
    } else {
        FWidget->setGeometry(FLeft, FTop, FWidth, FHeight);
    }
}

void TControl::BoundsChangedByToolkit(int left, int top, int width, int height) {
    bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (resized) Resize();
}

void TControl::ConstraintsChanged() {
    FWidget->setMinimumSize(FConstraints->MinWidth(), FConstraints->MinHeight());
    FWidget->setMaximumSize(
        FConstraints->MaxWidth() > 0 ? FConstraints->MaxWidth() : QWIDGETSIZE_MAX,
        FConstraints->MaxHeight() > 0 ? FConstraints->MaxHeight() : QWIDGETSIZE_MAX);
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

TRect TControl::ClientRect() const { return Rect(0, 0, FWidth, FHeight); }

void TControl::SetAlign(TAlign value) {
    if (value == FAlign) return;
    FAlign = value;
    if (FParent) FParent->Realign();
}

void TControl::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    // A control outside any window stays hidden, or it would show as a window of its own.
    if (FParent || FWidget->isWindow()) FWidget->setVisible(value);
    if (FParent && FAlign != alNone) FParent->Realign();
}

bool TControl::Showing() const { return FWidget->isVisible(); }

void TControl::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    FWidget->setEnabled(value);
}

void TControl::SetShowHint(bool value) {
    FShowHint = value;
    FParentShowHint = false;
}

bool TControl::HintShown() const {
    if (FParentShowHint && FParent) return FParent->HintShown();
    return FShowHint;
}

void TControl::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    FParentColor = false;
    ColorChanged();
    PassColorToChildren();
}

void TControl::SetParentColor(bool value) {
    if (value == FParentColor) return;
    FParentColor = value;
    if (value) TakeParentColor();
}

void TControl::TakeParentColor() {
    if (!FParent || FParent->FColor == FColor) return;
    FColor = FParent->FColor;
    ColorChanged();
    PassColorToChildren();
}

void TControl::PassColorToChildren() {
    auto* win = dynamic_cast<TWinControl*>(this);
    if (!win) return;
    for (TControl* c : win->FControls)
        if (c->FParentColor) c->TakeParentColor();
}

void TControl::ColorChanged() {
    QPalette palette = FWidget->palette();
    if (FColor == clNone || FColor == clDefault) {
        FWidget->setAutoFillBackground(false);
        return;
    }
    palette.setColor(QPalette::Window, ToQColor(FColor));
    palette.setColor(QPalette::Base, ToQColor(FColor));
    palette.setColor(QPalette::Button, ToQColor(FColor));
    FWidget->setPalette(palette);
    FWidget->setAutoFillBackground(true);
}

void TControl::SetFont(const TFont* value) { FFont->Assign(value); }

void TControl::SetParentFont(bool value) {
    if (value == FParentFont) return;
    FParentFont = value;
    if (value) TakeParentFont();
}

void TControl::TakeParentFont() {
    if (!FParent) return;
    TValueGuard<bool> taking(FTakingParentFont, true);
    FFont->Assign(FParent->FFont.get());
}

void TControl::FontObjectChanged() {
    // A change of the font itself makes it the control's own; one that came from the parent
    // keeps following it.
    if (!FTakingParentFont) FParentFont = false;
    FontChanged();
    PassFontToChildren();
}

void TControl::PassFontToChildren() {
    auto* win = dynamic_cast<TWinControl*>(this);
    if (!win) return;
    for (TControl* c : win->FControls)
        if (c->FParentFont) c->TakeParentFont();
}

void TControl::FontChanged() {
    FWidget->setFont(ToolkitFont(*FFont));
    QPalette palette = FWidget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, ToQColor(FFont->Color()));
    FWidget->setPalette(palette);
}

void TControl::SetCursor(TCursor value) {
    if (value == FCursor) return;
    FCursor = value;
    SetWidgetCursor(FWidget, value);
}

void TControl::SetText(const std::string& value) {
    if (value == GetText()) return;
    FText = value;
    TextChanged();
}

void TControl::SetPopupMenu(TPopupMenu* value) {
    if (value == FPopupMenu) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
    TComponent::Notification(component, operation);
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->FParent) c = c->FParent;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

TPoint TControl::ScreenToClient(TPoint point) const {
    const QPoint p = FWidget->mapFromGlobal(QPoint(point.X, point.Y));
    return Point(p.x(), p.y());
}

TPoint TControl::ClientToScreen(TPoint point) const {
    const QPoint p = FWidget->mapToGlobal(QPoint(point.X, point.Y));
    return Point(p.x(), p.y());
}

bool TControl::MouseCapture() const { return QWidget::mouseGrabber() == FWidget; }

void TControl::SetMouseCapture(bool value) {
    if (value == MouseCapture()) return;
    if (value)
        FWidget->grabMouse();
    else
        FWidget->releaseMouse();
}

void TControl::BeginDrag(bool immediate, int threshold) {
    TDragOperation::Begin(this, immediate, threshold, Mouse()->CursorPos());
}

void TControl::EndDrag(bool drop) {
    TDragOperation* op = TDragOperation::Current();
    if (op && op->Source() == this) op->End(drop, Mouse()->CursorPos());
}

bool TControl::Dragging() const {
    const TDragOperation* op = TDragOperation::Current();
    return op && op->Source() == this;
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    accept = false;
    if (!OnDragOver) return;
    accept = true;
    Fire([&] { OnDragOver(this, source, x, y, state, accept); });
}

void TControl::DragDrop(TObject* source, int x, int y) {
    if (OnDragDrop) Fire([&] { OnDragDrop(this, source, x, y); });
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
    if (OnEndDrag) Fire([&] { OnEndDrag(this, target, x, y); });
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelDown) Fire([&] { OnMouseWheelDown(this, shift, mousePos, handled); });
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelUp) Fire([&] { OnMouseWheelUp(this, shift, mousePos, handled); });
    return handled;
}

void TControl::TakeMouseEventsOf(QWidget* part) { part->installEventFilter(FBridge); }

void TControl::Click() {
    if (OnClick) Fire([this] { OnClick(this); });
}

void TControl::Invalidate() { FWidget->update(); }
void TControl::Repaint() { FWidget->repaint(); }
void TControl::Update() { FWidget->repaint(); }

void TControl::PaintTo(TBitmap& bitmap, int x, int y) {
    QPainter painter(&bitmap.Image());
    FWidget->render(&painter, QPoint(x, y));
}

bool TControl::DialogKey(int) { return false; }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) Fire([&] { OnMouseDown(this, button, shift, x, y); });
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) Fire([&] { OnMouseMove(this, shift, x, y); });
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) Fire([&] { OnMouseUp(this, button, shift, x, y); });
}

void TControl::DblClick() {
    if (OnDblClick) Fire([this] { OnDblClick(this); });
}

bool TControl::MouseWheel(TShiftState shift, int wheelDelta, int x, int y) {
    bool handled = false;
    if (OnMouseWheel) Fire([&] { OnMouseWheel(this, shift, wheelDelta, x, y, handled); });
    return handled;
}

void TControl::MouseEnter() {
    if (OnMouseEnter) Fire([this] { OnMouseEnter(this); });
}

void TControl::MouseLeave() {
    if (OnMouseLeave) Fire([this] { OnMouseLeave(this); });
}

void TControl::Resize() {
    if (OnResize) Fire([this] { OnResize(this); });
}

bool TControl::ToolkitEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            TShiftState shift = ShiftStateOf(int(e->modifiers()), int(e->buttons()));
            if (event->type() == QEvent::MouseButtonDblClick) shift.Include(ssDouble);
            QPoint p = e->position().toPoint();
            if (e->button() == Qt::LeftButton) FLeftPressed = true;
            if (e->button() == Qt::LeftButton && FDragMode == dmAutomatic) {
                const QPoint g = e->globalPosition().toPoint();
                TDragOperation::Begin(this, false, -1, Point(g.x(), g.y()));
            }
            MouseDown(MouseButtonOf(e->button()), shift, p.x(), p.y());
            if (event->type() == QEvent::MouseButtonDblClick) DblClick();
            return false;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            QPoint p = e->position().toPoint();
            MouseMove(ShiftStateOf(int(e->modifiers()), int(e->buttons())), p.x(), p.y());
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            QPoint p = e->position().toPoint();
            bool click =
                e->button() == Qt::LeftButton && FLeftPressed && FWidget->rect().contains(p);
            if (e->button() == Qt::LeftButton) FLeftPressed = false;
            MouseUp(MouseButtonOf(e->button()),
                    ShiftStateOf(int(e->modifiers()), int(e->buttons())), p.x(), p.y());
            if (click && ClicksOnMouseUp()) Click();
            return false;
        }
        case QEvent::Wheel: {
            auto* e = static_cast<QWheelEvent*>(event);
            const QPoint p = e->position().toPoint();
            const TShiftState shift = ShiftStateOf(int(e->modifiers()), int(e->buttons()));
            const int delta = e->angleDelta().y();
            if (MouseWheel(shift, delta, p.x(), p.y())) return true;
            if (delta < 0) return DoMouseWheelDown(shift, Point(p.x(), p.y()));
            if (delta > 0) return DoMouseWheelUp(shift, Point(p.x(), p.y()));
            return false;
        }
        case QEvent::ContextMenu: {
            if (!FPopupMenu || !FPopupMenu->AutoPopup()) return false;
            const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
            FPopupMenu->SetPopupComponent(this);
            FPopupMenu->Popup(at.x(), at.y());
            return true;
        }
        case QEvent::Enter:
            MouseEnter();
            return false;
        case QEvent::Leave:
            MouseLeave();
            return false;
        case QEvent::Resize:
        case QEvent::Move: {
            // Only what the window system changed; our own SetBounds already did its work.
            QRect g =
                FWidget->isWindow() ? QRect(FWidget->pos(), FWidget->size()) : FWidget->geometry();
            if (g != QRect(FLeft, FTop, FWidth, FHeight))
                BoundsChangedByToolkit(g.x(), g.y(), g.width(), g.height());
            return false;
        }
        case QEvent::ToolTip: {
            auto* e = static_cast<QHelpEvent*>(event);
            bool show = (!Application || Application->ShowHint()) && HintShown() && !FHint.empty();
            if (!Application) return true;
            if (show) {
                // The application's hint window shows it (the toolkit's tooltip by default).
                const QPoint origin = FWidget->mapToGlobal(QPoint(0, 0));
                const TRect client = Rect(origin.x(), origin.y(), origin.x() + FWidget->width(),
                                          origin.y() + FWidget->height());
                Application->ActivateHint(this, ShortHint(FHint).toStdString(),
                                          Point(e->pos().x(), e->pos().y()), client);
            } else {
                Application->CancelHint();
            }
            return true;
        }
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------------------------
// TWinControl

TWinControl::TWinControl(TComponent* owner, QWidget* widget) : TControl(owner, widget) {
    FLaidOutWidth = Width();
    FLaidOutHeight = Height();
}

TWinControl::~TWinControl() {
    Destroying();
    // The owned controls go while this window still stands; the others are only let go.
    DestroyComponents();
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        child->FParent = nullptr;
    }
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    control->FWidget->setParent(Widget());
    control->ApplyGeometry();
    control->FWidget->setVisible(control->FVisible);
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        if (!FTabList.empty()) QWidget::setTabOrder(FTabList.back()->Widget(), win->Widget());
        FTabList.push_back(win);
    }
}

void TWinControl::RemoveControl(TControl* control) {
    std::erase(FControls, control);
    std::erase(FTabList, control);
    control->FWidget->hide();
    control->FWidget->setParent(nullptr);
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->FTabList;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (!Parent()) return;
    auto& list = Parent()->FTabList;
    value = std::clamp(value, 0, int(list.size()) - 1);
    std::erase(list, this);
    list.insert(list.begin() + value, this);
    for (size_t i = 1; i < list.size(); ++i)
        QWidget::setTabOrder(list[i - 1]->Widget(), list[i]->Widget());
}

void TWinControl::SetTabStop(bool value) {
    FTabStop = value;
    if (!value)
        Widget()->setFocusPolicy(Qt::ClickFocus);
    else if (Widget()->focusPolicy() == Qt::ClickFocus)
        Widget()->setFocusPolicy(Qt::StrongFocus);
}

bool TWinControl::Focused() const { return Widget()->hasFocus(); }

namespace {
// Whether the modal window shown last keeps input from `window` (it is neither that window
// nor one of its own).
bool BlockedByModal(const QWidget* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    for (const QWidget* w = window; w && modal; w = w->parentWidget())
        if (w == modal) return false;
    return modal != nullptr;
}
}  // namespace

bool TWinControl::CanFocus() const { return Widget()->isVisible() && Widget()->isEnabled(); }

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    QWidget* window = Widget()->window();
    // A window behind a modal one is disabled: the focus stays where it is.
    if (BlockedByModal(window)) return;
    // The window system activates a window when its event comes round, but callers test
    // Focused() right after (a spin arrow drops its press otherwise), so a window just shown
    // or clicked while inactive is made the active one now.
    window->activateWindow();
    if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
    Widget()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::Realign() {
    if (FAligning) return;  // a child's new bounds come back here
    TValueGuard<bool> aligning(FAligning, true);
    TRect r = ClientRect();
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : FControls) {
            if (c->Align() != kind || !c->Visible()) continue;
            switch (kind) {
                case alTop:
                    c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                    r.Top += c->Height();
                    break;
                case alBottom:
                    c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                    r.Bottom -= c->Height();
                    break;
                case alLeft:
                    c->SetBounds(r.Left, r.Top, c->Width(), std::max(r.Height(), 0));
                    r.Left += c->Width();
                    break;
                case alRight:
                    c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), std::max(r.Height(), 0));
                    r.Right -= c->Width();
                    break;
                case alClient:
                    c->SetBounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
                    break;
                case alNone:
                    break;
            }
        }
    }
}

void TWinControl::MoveAnchored(int dx, int dy) {
    for (TControl* c : FControls) {
        if (c->Align() != alNone) continue;
        TAnchors a = c->Anchors();
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                width += dx;
            else
                left += dx;
        } else if (!a.Contains(akLeft)) {
            left += dx / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                height += dy;
            else
                top += dy;
        } else if (!a.Contains(akTop)) {
            top += dy / 2;
        }
        c->SetBounds(left, top, width, height);
    }
}

void TWinControl::Resize() {
    if (FLaidOutWidth >= 0) MoveAnchored(Width() - FLaidOutWidth, Height() - FLaidOutHeight);
    FLaidOutWidth = Width();
    FLaidOutHeight = Height();
    Realign();
    TControl::Resize();
}

void TWinControl::DoEnter() {
    if (OnEnter) Fire([this] { OnEnter(this); });
}

void TWinControl::DoExit() {
    if (OnExit) Fire([this] { OnExit(this); });
}

void TWinControl::KeyDown(int& key, TShiftState shift) {
    if (OnKeyDown) Fire([&] { OnKeyDown(this, key, shift); });
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress) Fire([&] { OnKeyPress(this, key); });
}

void TWinControl::KeyUp(int& key, TShiftState shift) {
    if (OnKeyUp) Fire([&] { OnKeyUp(this, key, shift); });
}

bool TWinControl::ToolkitEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // Keys pass up from the focused widget to its parents when it leaves them; only the
            // control that has the focus sees them.
            QWidget* focus = QApplication::focusWidget();
            if (focus && ControlOfWidget(focus) != this) return false;
            auto* e = static_cast<QKeyEvent*>(event);
            int vk = VirtualKeyOf(e->key());
            TShiftState shift = ShiftStateOf(int(e->modifiers()), 0);
            int key = vk;
            // A form with KeyPreview has the key first.
            TWinControl* preview = ParentForm();
            if (preview && (preview == this || !static_cast<TForm*>(preview)->KeyPreview()))
                preview = nullptr;
            if (event->type() == QEvent::KeyRelease) {
                if (vk && preview) preview->KeyUp(key, shift);
                if (vk && key) KeyUp(key, shift);
                return vk && key == 0;
            }
            // The short cuts of the popup menus of the control and its parents come first.
            for (TControl* c = this; vk && c; c = c->Parent())
                if (c->PopupMenu() && c->PopupMenu()->IsShortCut(vk, shift)) return true;
            if (vk && preview) preview->KeyDown(key, shift);
            if (vk && key) KeyDown(key, shift);
            if (vk && key == 0) return true;
            QString text = e->text();
            if (text.size() == 1 && text[0].unicode() < 0x80) {
                char c = char(text[0].unicode());
                KeyPress(c);
                if (c == 0) return true;
            }
            return false;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Switching to another program's window is no exit from the control.
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                return false;
            if (event->type() == QEvent::FocusIn)
                DoEnter();
            else
                DoExit();
            return false;
        }
        default:
            return TControl::ToolkitEvent(event);
    }
}

void TControl::SetRoundWindowRegion(int Corner) {
    if (Corner <= 0) {
        FWidget->clearMask();
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, FWidth, FHeight), Corner / 2.0, Corner / 2.0);
    FWidget->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

bool TControl::InWindowRegion(int x, int y) const {
    const QRegion mask = FWidget->mask();
    return mask.isEmpty() ? x >= 0 && y >= 0 && x < FWidth && y < FHeight
                          : mask.contains(QPoint(x, y));
}
