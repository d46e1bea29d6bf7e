#pragma once
// The Cavity and Wavelengths pages' text-file commands: the generatrix (start node and rows) and
// the wavelength list saved to and loaded from the text files the user chooses in the project's
// file dialogs. A cancelled or blank choice does nothing; a file that cannot be read changes
// nothing.
class TDatasetDatabase;

void SaveGeneratrixToTextFile(TDatasetDatabase& db);
void LoadGeneratrixFromTextFile(TDatasetDatabase& db);
void SaveWavelengthsToTextFile(TDatasetDatabase& db);
void LoadWavelengthsFromTextFile(TDatasetDatabase& db);
