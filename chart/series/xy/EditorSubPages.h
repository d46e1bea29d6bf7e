#pragma once
// The pages an editor form adds to the series page (a point-marker page, the bar editor): made
// once, watched so that a page freed by the series page is forgotten, freed with the editor.
#include <utility>
#include <vector>

#include "chart/editors/SeriesEditorControls.h"
#include "platform/ui/Form.h"

class TEditorSubPages {
public:
    explicit TEditorSubPages(TForm* editor) : FEditor(editor) {}
    // Freeing a page may reach Forget through the editor's Notification: the list is taken
    // out first, so that no erase runs under the loop.
    ~TEditorSubPages() {
        const std::vector<TForm*> pages = std::exchange(FPages, {});
        for (TForm* page : pages) FreeSubPage(page);
    }
    TEditorSubPages(const TEditorSubPages&) = delete;
    TEditorSubPages& operator=(const TEditorSubPages&) = delete;

    bool Empty() const { return FPages.empty(); }
    // Watches page (none: nothing) and answers it.
    TForm* Add(TForm* page) {
        if (page) FPages.push_back(WatchSubPage(FEditor, page));
        return page;
    }
    // From the editor's Notification: a page going away.
    void Forget(TComponent* component) {
        std::erase_if(FPages, [component](TForm* page) {
            return static_cast<TComponent*>(page) == component;
        });
    }

private:
    TForm* FEditor;
    std::vector<TForm*> FPages;
};
