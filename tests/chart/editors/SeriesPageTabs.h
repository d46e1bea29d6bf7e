#pragma once
// What the series page shows, for the tests of the editors it hosts.
#include <string>
#include <vector>

#include "chart/editors/SeriesPage.h"
#include "platform/ui/Form.h"
#include "platform/ui/PageControl.h"

// The captions of the page's tabs that show, in order.
inline std::vector<std::string> VisibleTabCaptions(const TFormTeeSeries& page) {
    std::vector<std::string> captions;
    for (int i = 0; i < page.PageSeries->PageCount(); ++i)
        if (page.PageSeries->Pages(i)->TabVisible())
            captions.push_back(page.PageSeries->Pages(i)->Caption());
    return captions;
}

// The series type's own editor form in "Format", or null.
inline TForm* FormatEditorOf(const TFormTeeSeries& page) {
    return page.TheTabSheet->ControlCount() == 1
               ? dynamic_cast<TForm*>(page.TheTabSheet->Controls(0))
               : nullptr;
}
