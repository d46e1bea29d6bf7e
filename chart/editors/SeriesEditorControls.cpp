#include "chart/editors/SeriesEditorControls.h"

#include <algorithm>

#include "platform/rtl/NumberText.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TTabSheet* AddEditorPage(TPageControl* pages, const std::string& caption) {
    auto* page = new TTabSheet(pages->Owner());
    page->SetPageControl(pages);
    page->SetCaption(caption);
    return page;
}

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
