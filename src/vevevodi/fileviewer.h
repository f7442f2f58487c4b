#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class ComposerWindow;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QModelIndex;
class QStringListModel;
class QTreeView;

// The file viewer "FileViewer": mounted volumes, their folders and files; a
// double-clicked HTML file opens in a further composer window of its own.
class FileViewer : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    FileViewer();

    void load() override;

    // The folder whose files File1 shows.
    QString path() const { return m_path; }
    void setPath(const QString &folder);

    // True for names ending in ".htm" or ".html", in any case.
    static bool isPageName(const QString &name);
    // Opens the named file of the shown folder in a new composer window;
    // nullptr when the name is no page or the file cannot be loaded.
    ComposerWindow *openFile(const QString &name);

    QComboBox *Drive1 = nullptr;
    QTreeView *Dir1 = nullptr;
    QListView *File1 = nullptr;
    QLabel *Label1 = nullptr;

private:
    void fileActivated(const QModelIndex &index);

    QFileSystemModel *m_folders = nullptr;
    QFileSystemModel *m_files = nullptr;
    // What File1 shows for a folder that is not listed.
    QStringListModel *m_noFiles = nullptr;
    QString m_path;
};
