#pragma once

#include "ftpclient/ftpoperation.h"
#include "platform/commondialog.h"

#include <QMainWindow>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class TransferControl;

// The FTP client's main window `frmInet`: the last response as a list, the
// state log, the command buttons, menus and toolbar, and the command layer
// that runs each operation to completion on the transfer control.
class InetWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit InetWindow(QWidget *parent = nullptr);

    static QString title() { return QStringLiteral("FTP: Quorl Vevevodi"); }

    // The command layer.
    void Exec(const FtpOperation &Oper);
    void Pause(int HowLong);
    void Upload(const QString &PATH);
    void Download(const QString &RemoteFilename, const QString &LocalFilename);
    void ChangeDIR(const QString &RemoteDirectory);
    void LevelUp();
    void CloseInet();
    void DeleteFile(const QString &RemoteFile);
    void DIR();
    void MakeDIR(const QString &NewDIR);
    void RenameFile(const QString &FileName, const QString &NewFilename);
    void RemoveDIR(const QString &Directory);
    void AddNamesToList(const QString &str, QListWidget *listbox);
    void save(const QString &FILEPATH, const QString &data);

    // The buttons, by caption.
    void uploadCommand();
    void downloadCommand();
    void browseCommand();
    void makeDirCommand();
    void removeDirCommand();
    void renameCommand();
    void dirCommand();
    void deleteCommand();
    void disconnectCommand();
    void changeDirCommand();
    void cdUpCommand();

    void toolbarCommand(const QString &key);
    void showSignin();
    // Ends the program at once: the running transfer and every wait end too.
    void leave();

    TransferControl *Inet1 = nullptr;
    QListWidget *List1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPlainTextEdit *txtResponse = nullptr;
    CommonDialog Cdlg;
    QToolBar *tbToolBar = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr,
                *Command4 = nullptr, *Command5 = nullptr, *Command6 = nullptr,
                *Command7 = nullptr, *Command8 = nullptr, *Command9 = nullptr,
                *Command10 = nullptr, *Command11 = nullptr;
    QMenu *mFile = nullptr, *mOperations = nullptr, *mHelp = nullptr;
    QAction *mSignIn = nullptr, *mSignOut = nullptr, *mLcose = nullptr;
    QAction *mUpload = nullptr, *mDownload = nullptr, *mDIR = nullptr, *mChangeDIR = nullptr,
            *mMakeDIR = nullptr, *mRmDIR = nullptr, *mRename = nullptr, *mDelete = nullptr;
    QAction *mnuHelp = nullptr;

    QString ListingText;
    bool RefreshPending = false;

signals:
    void leaving();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolbar();
    void onStateChanged(int state);
    void waitUntilIdle();
    // The busy test every command makes before it sends anything.
    bool busy() const;
    QString selection() const;
    void tell(const QString &text);
    bool confirm(const QString &text);
    QString prompt(const QString &text);

    bool m_leaving = false;
    bool m_reshowQueued = false;
};
