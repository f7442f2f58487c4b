#include "platform/filedialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPushButton>

#include <algorithm>

namespace FileDialogs {

namespace {

QString &lastFolder()
{
    static QString folder;
    return folder;
}

// Qt names a file's type from its content, read on the spot for a typed
// name; a file of /proc then blocks the program. Types by name never read.
class TypeByName : public QFileIconProvider
{
public:
    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType mime =
            QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }
};

// Qt's Open button looks a typed name up among the files the chosen filter
// shows, so it stays grey for an existing file the filter hides, while Enter
// opens that file. The button follows what Open accepts: after each of Qt's
// updates (a typed change, or any greying) it is enabled for existing files.
//
// A typed name that names no file is taken with the dialog's extension, as
// the save dialog adds it: "lay1" opens "lay1.lyt"; a file named as typed
// goes first.
class OpenButtonTakesExistingFiles : public QObject
{
public:
    OpenButtonTakesExistingFiles(QFileDialog *dialog, QPushButton *button, QLineEdit *edit,
                                 const QString &suffix)
        : QObject(dialog), m_dialog(dialog), m_button(button), m_suffix(suffix)
    {
        button->installEventFilter(this);
        // Connected after Qt's own update, so it runs after it.
        connect(edit, &QLineEdit::textChanged, this, &OpenButtonTakesExistingFiles::update);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_button && event->type() == QEvent::EnabledChange)
            update();
        return false;
    }

private:
    void update()
    {
        if (!m_suffix.isEmpty()) {
            m_dialog->setDefaultSuffix(QString());
            if (!namesExistingFiles())
                m_dialog->setDefaultSuffix(m_suffix);
        }
        if (!m_button->isEnabled() && namesExistingFiles())
            m_button->setEnabled(true);
    }

    bool namesExistingFiles() const
    {
        const QStringList files = m_dialog->selectedFiles();
        const auto exists = [](const QString &file) { return QFileInfo::exists(file); };
        return !files.isEmpty() && std::all_of(files.cbegin(), files.cend(), exists);
    }

    QFileDialog *m_dialog;
    QPushButton *m_button;
    QString m_suffix;
};

bool under(const QString &path, const QString &root)
{
    return path == root || path.startsWith(root + u'/');
}

} // namespace

bool inSpecialFolder(const QString &path)
{
    const QFileInfo info(path);
    // The path as written, and as the links in it resolve (of the file, or
    // of its folder when the file does not exist).
    const QStringList forms{QDir::cleanPath(info.absoluteFilePath()), info.canonicalFilePath(),
                            QFileInfo(info.absolutePath()).canonicalFilePath()};
    for (const QString &form : forms) {
        for (const char *root : {"/proc", "/sys", "/dev"}) {
            if (!form.isEmpty() && under(form, QLatin1String(root)))
                return true;
        }
    }
    return false;
}

std::unique_ptr<QFileDialog> create(const Prompter::FileRequest &request,
                                    QFileDialog::AcceptMode mode, QWidget *parent)
{
    QString folder;
    QString file;
    if (!request.initialPath.isEmpty()) {
        const QFileInfo info(request.initialPath);
        if (info.isDir()) {
            folder = info.absoluteFilePath();
        } else {
            folder = info.absolutePath();
            file = info.fileName();
        }
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = lastFolder().isEmpty() ? QDir::currentPath() : lastFolder();
    if (inSpecialFolder(folder))
        folder = QDir::homePath();

    // The file name is selected only after the icon provider is in place.
    auto dialog = std::make_unique<QFileDialog>(parent, request.title, folder, request.filter);
    static TypeByName types;
    dialog->setIconProvider(&types);
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(request.defaultSuffix);
    }
    if (!file.isEmpty())
        dialog->selectFile(file);
    // Only Qt's own widgets have these; a platform dialog checks for itself.
    const auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QPushButton *open = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (mode == QFileDialog::AcceptOpen && open && edit) {
        // Some callers name the extension as a pattern ("*.html").
        QString suffix = request.defaultSuffix;
        if (suffix.startsWith(QLatin1String("*.")))
            suffix.remove(0, 2);
        new OpenButtonTakesExistingFiles(dialog.get(), open, edit, suffix);
    }
    return dialog;
}

std::optional<QString> run(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace FileDialogs
