#include "controls/RzFrameControllerLink.h"

#include "controls/RzFrameController.h"

void TRzFrameControllerLink::SetFrameController(TRzFrameController* value) {
    if (value == FFrameController) return;
    if (FFrameController) {
        FFrameController->UnlinkControl(&FSelf);
        FFrameController->RemoveFreeNotification(&FSelf);
    }
    FFrameController = value;
    if (value) {
        value->FreeNotification(&FSelf);
        value->LinkControl(&FSelf);
    }
}

void TRzFrameControllerLink::FrameControllerNotification(TComponent* component,
                                                         TOperation operation) {
    if (operation == opRemove && component == FFrameController) FFrameController = nullptr;
}
