#pragma once

#include <functional>

// Ending the program at once: the settings are written, then the event loop
// ends without sending close events (the main windows refuse those by design).
namespace ProgramExit {

void exitNow();
// Tests see the request instead of losing their event loop; empty restores.
void setHandlerForTests(std::function<void()> handler);

} // namespace ProgramExit
