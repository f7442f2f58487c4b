#pragma once

class QWidget;

// Makes each label of window the buddy of the field it stands before (to
// its left in a grid row, else above it; next in a box), so a screen reader
// names the field by its label instead of by the frame around it. Labels
// that have a buddy and fields that have a name or a label keep them.
void nameFieldsByLabels(QWidget *window);
