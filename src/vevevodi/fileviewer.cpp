#include "vevevodi/fileviewer.h"

#include "editor/documentfiles.h"
#include "editor/openers.h"
#include "platform/filedialog.h"
#include "platform/htmleditview.h"
#include "platform/regularfile.h"
#include "vevevodi/composerwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QStorageInfo>
#include <QStringListModel>
#include <QTreeView>

FileViewer::FileViewer()
{
    setObjectName(QStringLiteral("FileViewer"));
    setWindowTitle(QStringLiteral("File Viewer"));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            Drive1->addItem(volume.rootPath());
    }

    // Types and icons by name: typing a file by its content reads it, and a
    // file of /proc stalls the listing for good.
    m_folders = new QFileSystemModel(this);
    m_folders->setIconProvider(FileDialogs::typesByName());
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QString());
    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->setHeaderHidden(true);

    m_files = new QFileSystemModel(this);
    m_files->setIconProvider(FileDialogs::typesByName());
    m_files->setFilter(QDir::Files);
    m_noFiles = new QStringListModel(this);
    File1 = new QListView(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setModel(m_files);

    Label1 = new QLabel(QStringLiteral("Incomplete Feature: Please notify Korrandel about this"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(Drive1, 0, 0);
    grid->addWidget(Dir1, 1, 0);
    grid->addWidget(File1, 0, 1, 2, 1);
    grid->addWidget(Label1, 2, 0, 1, 2);
    resize(620, 420);

    connect(Drive1, &QComboBox::currentTextChanged, this, [this](const QString &drive) {
        // The folder list shows the chosen volume's folders.
        Dir1->setRootIndex(m_folders->index(drive));
        setPath(drive);
    });
    connect(Dir1, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { setPath(m_folders->filePath(index)); });
    connect(File1, &QListView::doubleClicked, this, &FileViewer::fileActivated);
}

void FileViewer::load()
{
    const QString drive = Drive1->count() > 0 ? Drive1->currentText() : QDir::rootPath();
    Dir1->setRootIndex(m_folders->index(drive));
    setPath(drive);
}

void FileViewer::setPath(const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_path = folder;
    const QModelIndex dir = m_folders->index(folder);
    Dir1->setCurrentIndex(dir);
    Dir1->scrollTo(dir);
    // The kernel's folders of special files are not listed: nothing in them
    // can be opened, and listing them can block.
    QAbstractItemModel *shown = m_files;
    if (RegularFile::inSpecialFolder(folder))
        shown = m_noFiles;
    if (File1->model() != shown) {
        QItemSelectionModel *old = File1->selectionModel();
        File1->setModel(shown);
        delete old;
    }
    if (shown == m_files)
        File1->setRootIndex(m_files->setRootPath(folder));
}

bool FileViewer::isPageName(const QString &name)
{
    return name.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive)
           || name.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive);
}

void FileViewer::fileActivated(const QModelIndex &index)
{
    if (index.model() != m_files)
        return;
    openFile(m_files->fileName(index));
}

ComposerWindow *FileViewer::openFile(const QString &name)
{
    if (!isPageName(name))
        return nullptr;
    // QDir joins a root folder and a name with one separator.
    const QString file = QDir(m_path).filePath(name);
    auto *window = new ComposerWindow;
    window->load();
    QString error;
    DocumentState &document = window->document();
    if (!window->txtComp->LoadDocument(file, &error, &document.format)) {
        window->deleteLater();
        DocumentFiles::reportOpenFailure(file, error);
        return nullptr;
    }
    document.path = file;
    document.recordFile(file);
    window->titleupdate();
    Openers::showWindow(window);
    return window;
}
