// The grid's in-place editor: a line edit over the current cell (see Grid.h for the protocol).
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/graphics/FontEngine.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ToolkitInput.h"

// Gives the editor's keys to the grid first and tells the grid when the focus leaves them both.
class TCustomGrid::TEditorFilter : public QObject {
public:
    TEditorFilter(TCustomGrid* grid, QObject* parent) : QObject(parent), FGrid(grid) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (FGrid->ComponentState().Contains(csDestroying)) return false;
        if (event->type() == QEvent::KeyPress) {
            bool handled = false;
            FGrid->Fire([&] { handled = FGrid->EditorKey(static_cast<QKeyEvent*>(event)); });
            return handled;
        }
        if (event->type() == QEvent::FocusOut) {
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                QApplication::focusWidget() != FGrid->Widget())
                FGrid->DoExit();
        }
        return false;
    }

private:
    TCustomGrid* FGrid;
};

bool TCustomGrid::CanEditShow() const {
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) &&
           FCurrent.X >= FFixedCols && FCurrent.Y >= FFixedRows;
}

bool TCustomGrid::CanEditAcceptKey(char) const { return true; }
std::string TCustomGrid::GetEditText(int, int) { return {}; }
void TCustomGrid::SetEditText(int, int, const std::string&) {}

void TCustomGrid::EnsureEditor() {
    if (FEditor) return;
    FEditor = new QLineEdit(Widget());
    FEditor->setFrame(false);
    FEditor->hide();
    FEditor->installEventFilter(new TEditorFilter(this, FEditor));
    QObject::connect(FEditor, &QLineEdit::textEdited,
                     [this](const QString&) { Fire([this] { EditorTextEdited(); }); });
}

void TCustomGrid::SetEditorMode(bool value) {
    if (value)
        ShowEditor();
    else
        HideEditor();
}

std::string TCustomGrid::InplaceEditorText() const {
    return FEditor && FEditorMode ? FEditor->text().toStdString() : std::string();
}

void TCustomGrid::ShowEditor() {
    if (!CanEditShow()) return;
    EnsureEditor();
    FEditorMode = true;
    if (FEditorCell == FCurrent && FEditor->isVisibleTo(Widget())) return;
    FEditorCell = FCurrent;
    FEditorOpenText = GetEditText(FCurrent.X, FCurrent.Y);
    FEditor->setFont(ToolkitFont(*Font()));
    FEditor->setText(QString::fromStdString(FEditorOpenText));
    FEditor->selectAll();
    PlaceEditor();
    FEditor->show();
    FEditor->setFocus(Qt::OtherFocusReason);
}

void TCustomGrid::HideEditor() {
    FEditorMode = false;
    if (!FEditor || FEditorCell.X < 0) return;
    TGridCoord cell = FEditorCell;
    FEditorCell = {-1, -1};
    bool hadFocus = FEditor->hasFocus();
    std::string text = FEditor->text().toStdString();
    FEditor->hide();
    if (hadFocus) {
        FRefocusing = true;
        Widget()->setFocus(Qt::OtherFocusReason);
        FRefocusing = false;
    }
    Invalidate();
    SetEditText(cell.X, cell.Y, text);
}

void TCustomGrid::ShowEditorChar(char key) {
    ShowEditor();
    if (!FEditorMode) return;
    FEditor->setText(key == '\b' ? QString() : QString(QChar(key)));
    EditorTextEdited();
}

void TCustomGrid::PlaceEditor() {
    if (!FEditor || FEditorCell.X < 0) return;
    TRect r = CellRect(FEditorCell.X, FEditorCell.Y);
    FEditor->setGeometry(r.Left, r.Top, r.Width(), r.Height());
    FEditor->setVisible(!r.IsEmpty());
}

void TCustomGrid::EditorTextEdited() {
    if (FEditorCell.X < 0) return;
    SetEditText(FEditorCell.X, FEditorCell.Y, FEditor->text().toStdString());
}

// True when the key is taken (by the grid, or refused).
bool TCustomGrid::EditorKey(QKeyEvent* event) {
    int key = VirtualKeyOf(event->key());
    TShiftState shift = ShiftStateOf(int(event->modifiers()), 0);
    if (key) {
        bool atStart = !FEditor->hasSelectedText() && FEditor->cursorPosition() == 0;
        bool atEnd =
            !FEditor->hasSelectedText() && FEditor->cursorPosition() == int(FEditor->text().size());
        bool toGrid = false;
        switch (key) {
            case VK_UP:
            case VK_DOWN:
            case VK_PRIOR:
            case VK_NEXT:
            case VK_ESCAPE:
            case VK_TAB:
                toGrid = true;
                break;
            case VK_LEFT:
            case VK_HOME:
                toGrid = atStart;
                break;
            case VK_RIGHT:
            case VK_END:
                toGrid = atEnd;
                break;
            default:
                break;
        }
        if (toGrid) {
            KeyDown(key, shift);
            return true;
        }
        if (OnKeyDown) OnKeyDown(this, key, shift);
        if (key == 0) return true;
    }
    QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 0x80) {
        char c = char(text[0].unicode());
        KeyPress(c);
        if (c == 0) return true;
        bool typing = static_cast<unsigned char>(c) >= 32 || c == '\b';
        if (typing && (!CanEditModify() || !CanEditAcceptKey(c))) return true;
    }
    return false;
}

bool TCustomGrid::ToolkitEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // The editor's keys that it leaves come up here: the editor's filter had them.
            if (FEditor && FEditor->hasFocus()) return true;
            break;
        case QEvent::FocusOut:
            // The focus going to the editor stays within the grid.
            if (FEditor && QApplication::focusWidget() == FEditor) {
                Invalidate();
                return false;
            }
            break;
        case QEvent::FocusIn:
            Invalidate();
            if (FRefocusing) return false;
            break;
        default:
            break;
    }
    return TCustomControl::ToolkitEvent(event);
}
