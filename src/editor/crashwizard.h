#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

// "crashRecover": switches the composer's crash save on or off and loads a
// crash file back into the composer.
class CrashWizard : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit CrashWizard(QWidget *parent = nullptr);

    void load() override;

    void configure();
    void disable();
    void loadDocument();

    // The crash-save interval for the seconds typed: empty means 10 seconds;
    // otherwise a decimal number times 1000, rounded half to even on the
    // exact decimal.
    struct Interval {
        enum Status { Ok, NotANumber, OutOfRange } status = Ok;
        int ms = 0;
    };
    static Interval interval(const QString &seconds);

    QLineEdit *txtDocName = nullptr;
    QLineEdit *txtTimerValue = nullptr;
    QPushButton *btnConfigure = nullptr;
    QPushButton *btnDisableCRW = nullptr;
    QListWidget *FileCrash = nullptr;
    QPushButton *btnLoad = nullptr;
    QPushButton *btnHelp = nullptr;

    // A wizard that could not list the crash folder stays hidden, also when
    // its opener shows it right after loading.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unloadSelf();

    bool m_refused = false;
};
