#include "platform/ui/ToolkitInput.h"

#include <Qt>

int VirtualKeyOf(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;  // the same codes as the characters
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        default:
            return 0;
    }
}

TShiftState ShiftStateOf(int modifiers, int buttons) {
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier) shift.Include(ssShift);
    if (modifiers & Qt::ControlModifier) shift.Include(ssCtrl);
    if (modifiers & Qt::AltModifier) shift.Include(ssAlt);
    if (buttons & Qt::LeftButton) shift.Include(ssLeft);
    if (buttons & Qt::RightButton) shift.Include(ssRight);
    if (buttons & Qt::MiddleButton) shift.Include(ssMiddle);
    return shift;
}

TMouseMessage MouseMessageOf(TMouseMessageKind kind, int button, int modifiers, int buttons,
                             TPoint pos) {
    TMouseMessage message;
    message.Kind = kind;
    message.Button = button == Qt::RightButton    ? mbRight
                     : button == Qt::MiddleButton ? mbMiddle
                                                  : mbLeft;
    message.Shift = ShiftStateOf(modifiers, buttons);
    message.Pos = pos;
    return message;
}
