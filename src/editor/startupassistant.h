#pragma once

#include "editor/tips.h"
#include "platform/windowdirectory.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// "StartUp": the ways to begin (a blank page, a file, a recent file, a
// template, the crash recovery wizard, the tutor, help) and a tip of the day.
// Everything it opens goes into the composer.
class StartUpAssistant : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit StartUpAssistant(QWidget *parent = nullptr);

    void load() override;

    bool LoadTips(const QString &path) { return m_tips.LoadTips(path); }
    void DisplayCurrentTip() { m_tips.DisplayCurrentTip(); }
    const Tips &tips() const { return m_tips; }

    // The buttons and the list.
    void startWithBlankPage();
    void openExistingFile();
    void openRecent();
    void useTemplates();
    void crashRecoveryWizard();
    void htmlTutor();
    void startUpHelp();
    void dontShowAtStartup();

    // The composer's caption after a file was opened from here.
    void titleupdate();

    QPushButton *btnBlank = nullptr;
    QPushButton *btnOpenExist = nullptr;
    QPushButton *btnTemplates = nullptr;
    QPushButton *btnCrash = nullptr;
    QPushButton *btnHTMLTutor = nullptr;
    QPushButton *btnStartUpHelp = nullptr;
    QListWidget *listRecent = nullptr;
    QCheckBox *chkStartup = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *lblTipText = nullptr;
    QPushButton *cmdNextTip = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void closeAssistant();
    void fillRecent();

    Tips m_tips;
};
