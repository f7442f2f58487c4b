#pragma once

#include "dialogs/dialogframe.h"

class HtmlEditView;

// The ready-made absolutely positioned block the layer dialog offers.
QString layerBlock();

// The layer dialog "loading": its block is dragged from txtLayer into the
// composer, which inserts it where it is dropped; the dialog delivers nothing
// itself and stays open for the next layer.
class LayerDialog : public DialogFrame
{
    Q_OBJECT

public:
    LayerDialog();

    HtmlEditView *txtLayer = nullptr;
    QPushButton *btnNewLayer = nullptr;
    QPushButton *btnHelp = nullptr;
};
