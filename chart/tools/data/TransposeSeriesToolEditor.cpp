#include "chart/tools/data/TransposeSeriesToolEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/tools/data/TransposeSeriesTool.h"
#include "platform/ui/Button.h"

TTransposeSeriesToolEdit::TTransposeSeriesToolEdit(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 80);
    BTranspose = MakePushButton(this, 8, 8, 110, "&Transpose now");
    BTranspose->OnClick = [this](TObject*) {
        if (TTransposeSeriesTool* tool = Tool()) tool->Transpose();
    };
    DoCreate();
}

TTransposeSeriesToolEdit::~TTransposeSeriesToolEdit() = default;

TTransposeSeriesTool* TTransposeSeriesToolEdit::Tool() const {
    return dynamic_cast<TTransposeSeriesTool*>(TagObject());
}
