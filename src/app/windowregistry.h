#pragma once

// Registers every window class of the authoring tool under its name.
void registerWindows();
