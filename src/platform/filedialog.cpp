#include "platform/filedialog.h"

#include "platform/regularfile.h"

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

// Qt names a file's type (and picks its icon) from its content, read on the spot for a typed
// name; a file of /proc then blocks the program. Types by name never read.
class TypeByName : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::icon(info);
        const QMimeType mime =
            QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return QIcon::fromTheme(mime.iconName(), QFileIconProvider::icon(File));
    }

    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType mime =
            QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }
};

// Qt reads double quotes in a typed name as a list of names ("a" "b"), so
// Save As of `a "q".html` would write q.html. A name with a quote is taken
// as typed here, doing what Qt's accept does for a single name.
class TypedNameDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    // The path accepted for a name with quotes; empty when Qt's selection holds.
    QString typedPath;

    // What the dialog takes now: the name as typed when it holds a quote.
    QStringList chosenFiles() const
    {
        const QString typed = typedText();
        if (!typed.contains(u'"'))
            return selectedFiles();
        QString path = directory().absoluteFilePath(typed);
        if (!QFileInfo(path).isDir() && !defaultSuffix().isEmpty()
            && QFileInfo(path).suffix().isEmpty() && !path.endsWith(u'.'))
            path += u'.' + defaultSuffix();
        return {path};
    }

protected:
    void accept() override
    {
        typedPath.clear();
        if (!typedText().contains(u'"')) {
            QFileDialog::accept();
            return;
        }
        const QString path = chosenFiles().constFirst();
        const QFileInfo info(path);
        if (info.isDir()) {
            setDirectory(path);
            findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->clear();
            return;
        }
        if (acceptMode() == AcceptOpen && !info.exists())
            return;
        if (acceptMode() == AcceptSave && info.exists() && !testOption(DontConfirmOverwrite)
            && Prompter::ask(QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                 .arg(info.fileName()),
                             windowTitle(), Prompter::Icon::Exclamation,
                             Prompter::Buttons::YesNo, Prompter::Answer::No)
                   != Prompter::Answer::Yes)
            return;
        typedPath = path;
        QDialog::accept();
    }

private:
    QString typedText() const
    {
        const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        return edit ? edit->text() : QString();
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
    OpenButtonTakesExistingFiles(TypedNameDialog *dialog, QPushButton *button, QLineEdit *edit,
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
        const QStringList files = m_dialog->chosenFiles();
        const auto exists = [](const QString &file) { return QFileInfo::exists(file); };
        return !files.isEmpty() && std::all_of(files.cbegin(), files.cend(), exists);
    }

    TypedNameDialog *m_dialog;
    QPushButton *m_button;
    QString m_suffix;
};

} // namespace

QAbstractFileIconProvider *typesByName()
{
    static TypeByName types;
    return &types;
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
    if (RegularFile::inSpecialFolder(folder))
        folder = QDir::homePath();

    // The file name is selected only after the icon provider is in place.
    auto dialog = std::make_unique<TypedNameDialog>(parent, request.title, folder,
                                                    request.filter);
    dialog->setIconProvider(typesByName());
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
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const auto *typed = dynamic_cast<const TypedNameDialog *>(&dialog);
    QString chosen = typed ? typed->typedPath : QString();
    if (chosen.isEmpty() && !dialog.selectedFiles().isEmpty())
        chosen = dialog.selectedFiles().constFirst();
    if (chosen.isEmpty())
        return std::nullopt;
    lastFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace FileDialogs
