#pragma once
// Start-up of the drawing layer: installs the colour names into the object model (so colour
// properties stream as "clRed") and registers the drawing classes by name. Called once from the
// program's start-up and from test mains, before anything is streamed.
void RegisterGraphicsClasses();
