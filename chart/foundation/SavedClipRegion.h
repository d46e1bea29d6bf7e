#pragma once
// The clips the surfaces' clip operations replace, kept for the whole process because a clip
// belongs to the device, not to one surface. Each clip operation saves the clip it replaces and
// each RemoveClipping gives the last saved one back, so a clip made inside another (a rounded
// gradient clipped again by its radial fill, a series clip inside the print clip) ends with the
// outer clip in force again instead of none.
class TCanvas;

// Saves Canvas's device clip (or that it has none).
void SaveDeviceClip(const TCanvas& Canvas);
// Gives Canvas the clip saved last and forgets it; with nothing saved, Canvas loses its clip.
void RestoreDeviceClip(TCanvas& Canvas);
// How many clips are saved.
int SavedClipCount();
// Forgets every saved clip (start-up and shutdown).
void ClearSavedClips();
