#pragma once

class SourceWindow;

// The source window's page commands: page title, the head snippets, the
// snippets at the caret, spell check and printing.
namespace SourcePageCommands {

void bind(SourceWindow *window);

} // namespace SourcePageCommands
