#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

// The target attribute text, with its leading blank, for a standard target;
// empty for "Default (None)" or any other entry.
QString targetAttribute(const QString &entry);

// The target frame window "target": picks the target attribute that the
// hyperlink dialog writes into its next link. OK hides it and keeps the
// choice; Close unloads it.
class TargetWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    TargetWindow();
    void load() override;
    // Destroys the window, and with it the choice.
    void unload();

    QListWidget *listTarget = nullptr;
    QLineEdit *txtTarget = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

    static inline const QStringList entries{"Default (None)", "Same Frame", "Whole Page",
                                            "New Window", "Parent Frame"};

protected:
    void closeEvent(QCloseEvent *event) override;
};
