#include "chart/editors/SeriesEditorControls.h"

#include <algorithm>

#include "chart/editors/EditorControls.h"
#include "chart/editors/PointerEditor.h"
#include "chart/foundation/ComboFlat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

TComboFlat* MakeFlatCombo(TWinControl* parent, int left, int top, int width,
                          std::initializer_list<const char*> items) {
    TComboFlat* combo = MakeControl<TComboFlat>(parent, left, top, width, 21);
    for (const char* item : items) combo->AppendItem(item);
    return combo;
}

TTrackBar* MakeTransparencyBar(TWinControl* parent, int left, int top, int width) {
    TTrackBar* bar = MakeControl<TTrackBar>(parent, left, top, width, 28);
    bar->SetMax(100);
    bar->SetFrequency(10);
    return bar;
}

int UpDownPosition(const TUpDown& upDown) {
    int value = 0;
    if (!upDown.Associate() || !TryStrToInt(upDown.Associate()->Text(), value))
        return upDown.Position();
    return std::clamp(value, std::min(upDown.Min(), upDown.Max()),
                      std::max(upDown.Min(), upDown.Max()));
}

TForm* AddPointPage(TForm* editor, TObject* pointer) {
    return WatchSubPage(editor, EmbedPointerEditor(editor, pointer, "Point"));
}

TForm* WatchSubPage(TForm* editor, TForm* page) {
    if (page) page->FreeNotification(editor);
    return page;
}

void FreeSubPage(TForm* page) { TObject::Free(page); }

bool UpDownValue(const TUpDown& upDown, int& value) {
    const TWinControl* edit = upDown.Associate();
    int typed = 0;
    if (!edit || !TryStrToInt(edit->Text(), typed)) return false;
    if (typed < std::min(upDown.Min(), upDown.Max()) ||
        typed > std::max(upDown.Min(), upDown.Max()))
        return false;
    value = typed;
    return true;
}
