#pragma once
// Start-up and shutdown of the GIF picture format: ".gif" files read as TGIFImage, described as
// "GIF Image" in the file dialogs, the class known by name for pictures kept in component
// streams, GIF pictures on the clipboard under "GIF Image", and the animation painters' calls
// to the main thread run by the application's loop (woken when a painter hands one over).
// Called from the program's start-up (and test mains), never by a static initialiser; calling
// it again changes nothing.
void RegisterGIFImageFormat();
void UnregisterGIFImageFormat();
