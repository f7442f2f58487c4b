#pragma once

class QWidget;

// Puts the window into the topmost band without moving or resizing it.
void MakeTopmost(QWidget *window);
