#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QLabel;
class QPushButton;

// "OHelp": what the designer is for and what each element button does.
class DesignerHelp : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    DesignerHelp();

    void load() override;

    // The help text of a topic: paragraphs that begin with three blanks,
    // separated by an empty line. "Overview" is the text shown first; the
    // others are named by their element buttons.
    static QString text(const QString &topic);

    QLabel *lblHelp = nullptr;
    QPushButton *OKButton = nullptr;
};
