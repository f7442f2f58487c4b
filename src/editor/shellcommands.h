#pragma once

class SourceWindow;

// Binds the source window's items that open the shell windows with work of
// their own to do first (templates, lessons, restore points, temporary
// clipboard, bookmarks, hyperlink anchors). An item stays disabled while the
// window it needs is not built.
void bindShellCommands(SourceWindow *window);
