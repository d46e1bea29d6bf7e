#pragma once
// Start-up and shutdown of the GIF picture format: ".gif" files read as TGIFImage, described as
// "GIF Image" in the file dialogs, and the class known by name for pictures kept in component
// streams. Called from the program's start-up (and test mains), never by a static initialiser.
void RegisterGIFImageFormat();
void UnregisterGIFImageFormat();
