#pragma once
// The main window's "Save Dataset As..." and "Load Dataset": the current dataset, as the engine's
// loader accepts it, written to a dataset text file chosen in the save dialog, and a dataset text
// file chosen in the open dialog read into a new dataset row.
#include <string>

class TDatasetDatabase;

// The caption of the project's text-file dialogs: title + ": Load " + what + " from Text File" or
// ": Save " + what + " in Text File"; and their filter.
std::string TextFileDialogCaption(bool save, const std::string& what);
inline constexpr const char* TextFileFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";

void SaveDatasetToTextFile(TDatasetDatabase& db);
void LoadDatasetFromTextFile(TDatasetDatabase& db);
