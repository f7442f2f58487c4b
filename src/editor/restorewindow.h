#pragma once

#include "platform/windowdirectory.h"

#include <QPointer>
#include <QWidget>

#include <array>

class ComposerWindow;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SourceArea;

// "restore": five restore points in memory for the run, lasting ones as
// files in the crash folder, and the way back to any of them in both views.
class RestoreWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit RestoreWindow(QWidget *parent = nullptr);

    void load() override;

    // Opens the window on a copy of the main document.
    void openWith(const QString &documentText);
    // The window of the file viewer whose page OK writes to; nullptr for
    // the main document (the view showing).
    void setDocumentWindow(ComposerWindow *otherWindow);

    void createRestore();
    void restorePoint(int number);
    void ok();
    void set();
    void loadPoint();
    void remove();
    void refreshFiles();

    SourceArea *txtRestore = nullptr;     // the working copy
    QLabel *lblTitle = nullptr;
    std::array<QString, 5> points;        // the temporary points 1 to 5
    QComboBox *cmbRestore = nullptr;
    std::array<QCheckBox *, 5> chkStatus{};
    std::array<QPushButton *, 5> btnRestore{};
    QLineEdit *txtPRestoreName = nullptr;
    QPushButton *btnSet = nullptr;
    QListWidget *File1 = nullptr;
    QPushButton *btnLoad = nullptr;
    QPushButton *btnRemove = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString selectedFile() const;

    bool m_forOtherWindow = false;
    QPointer<ComposerWindow> m_otherWindow;
    void reportAndReturn(const QString &text);
};

// Opens the restore window on the source window's text.
void openRestoreFromSource();
