#include "chart/foundation/SavedClipRegion.h"

#include <vector>

#include "platform/graphics/Canvas.h"

namespace {

struct TSavedClip {
    bool HasClip = false;
    TRegion Region;
};

// Entries above Count are kept for reuse, so nesting clips does not allocate entries anew.
struct TSavedClips {
    std::vector<TSavedClip> Entries;
    int Count = 0;
};

TSavedClips& Saved() {
    static TSavedClips saved;
    return saved;
}

}  // namespace

void SaveDeviceClip(const TCanvas& Canvas) {
    TSavedClips& saved = Saved();
    if (saved.Count == static_cast<int>(saved.Entries.size())) saved.Entries.emplace_back();
    TSavedClip& entry = saved.Entries[saved.Count++];
    entry.HasClip = Canvas.GetClipRgn(entry.Region);
}

void RestoreDeviceClip(TCanvas& Canvas) {
    TSavedClips& saved = Saved();
    if (saved.Count == 0) {
        Canvas.SelectClipRgn(nullptr);
        return;
    }
    const TSavedClip& entry = saved.Entries[--saved.Count];
    Canvas.SelectClipRgn(entry.HasClip ? &entry.Region : nullptr);
}

int SavedClipCount() { return Saved().Count; }

void ClearSavedClips() {
    TSavedClips& saved = Saved();
    saved.Count = 0;
    saved.Entries.clear();
}
