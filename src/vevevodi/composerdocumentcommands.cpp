// The composer's whole-document commands, previews, own insertions and the
// commands it hands to other windows and programs.

#include "dialogs/documentedit.h"
#include "editor/documentcommands.h"
#include "editor/helpwindow.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/pagesnippets.h"
#include "editor/restorewindow.h"
#include "editor/sourcewindow.h"
#include "editor/templates.h"
#include "platform/clipboard.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"
#include "vevevodi/previewwindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

const QString kAssistant = QStringLiteral("Assistant: Quorl");
constexpr auto kCopyRewrites = GeneratorRewrite::Rewrites(GeneratorRewrite::OwnGenerator
                                                          | GeneratorRewrite::Engine2800);

QString untitledPreviewFile()
{
    return ProgramFolder::resolve(QStringLiteral("misc/untitled1.html"));
}

} // namespace

Openers::Selection ComposerWindow::mainSelection()
{
    const auto selected = Composr()->txtComp->selection();
    return selected ? Openers::Selection{selected->text, selected->html} : Openers::Selection{};
}

std::function<bool(const QUrl &)> &ComposerWindow::browserLauncher()
{
    static std::function<bool(const QUrl &)> launcher = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    return launcher;
}

void ComposerWindow::bindDocumentCommands()
{
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"mnuSpellCheck", [this] { SpellCheck(); }},
        {"mnuStripHTML", [this] { StripHtml(); }},
        {"mnuPageTitle", [this] { PageTitle(); }},
        {"mnuRightClick", [this] { HeadSnippet(PageSnippets::rightClickBlock(), true); }},
        {"mnuPrevTextSel", [this] { HeadSnippet(PageSnippets::protectTextBlock(), true); }},
        {"mnuDisableIEToolbar",
         [this] { HeadSnippet(PageSnippets::imageToolbarTag(), false); }},
        {"mnuPrint", [this] { Print(); }},
        {"mnuPageSetup", [this] { PageSetup(); }},
        {"mnuPrev", [this] { Preview(); }},
        {"mnuPreview", [this] { Preview(); }},
        {"mnuPrevIE", [this] { PreviewInBrowser(); }},
        {"mnuHighlight", [this] { Highlight(); }},
        {"mnuFlash", [this] { Flash(); }},
        {"mnuLink", [this] { Hyperlink(); }},
        {"mnuEnableStartUp", [this] { EnableStartUp(); }},
    };
    for (const auto &[name, command] : commands)
        connect(Menus::bind(Menus::find(this, QLatin1String(name))), &QAction::triggered, this,
                command);
    QAction *startUp = Menus::find(this, QStringLiteral("mnuEnableStartUp"));
    startUp->setCheckable(true);
    startUp->setChecked(false);

    // Commands that need a window of another part work once it is built.
    const std::pair<const char *, std::pair<const char *, void (ComposerWindow::*)()>>
        windowCommands[] = {
            {"mnuMetaGen", {"MetaGen", &ComposerWindow::MetaGenerator}},
            {"mnuRestore", {"restore", &ComposerWindow::RestorePoint}},
        };
    for (const auto &[name, command] : windowCommands) {
        if (WindowDirectory::isRegistered(QLatin1String(command.first)))
            Menus::bind(Menus::find(this, QLatin1String(name)), this, command.second);
    }

    // Import Template asks with this window's own file dialog.
    connect(Menus::bind(Menus::find(this, QStringLiteral("mnuImportTemplate"))),
            &QAction::triggered, this, [this] { Templates::ImportTemplate(ComDlg); });

    // The other template and lesson commands are the source window's own.
    const std::pair<const char *, const char *> sourceCommands[] = {
        {"mnuTemplates", "mnuTemplates"},         {"mnuConvTemplate", "mnuCreateTemplate"},
        {"mnuMoreTemplates", "mnuMoreTemplates"}, {"mnuHTMLtutor", "mnuHTMLtutorial"},
        {"mnuVisitAuthor", "mnuAuthorOnline"},
    };
    // Bound once the event loop runs, so neither window is built inside the other.
    QTimer::singleShot(0, this, [this, sourceCommands] {
        SourceWindow *source = Quorl();
        for (const auto &[own, theirs] : sourceCommands) {
            if (QAction *command = Menus::find(source, QLatin1String(theirs)))
                Menus::forward(Menus::find(this, QLatin1String(own)), command);
        }
    });
}

// ---- whole-document commands ----------------------------------------------------

ComposerWindow *ComposerWindow::documentView()
{
    // A window the file viewer opened edits its own page; the main one edits
    // the document of the view showing.
    return isMainComposer() ? WholeDocument::showing(true) : this;
}

void ComposerWindow::SpellCheck()
{
    if (!CopyVevevodiToSource(kCopyRewrites))
        return;
    const auto corrected = DocumentCommands::spellCheck(document().area->text());
    if (!corrected)
        return;
    writeBackDocument(*corrected);
    DocumentCommands::tellSpellCheckComplete();
}

void ComposerWindow::StripHtml()
{
    // The whole page stays selected; its text is the text as rendered.
    txtComp->ExecCommand(5035);
    const auto rendered = txtComp->evaluate(
        QStringLiteral("document.body ? document.body.innerText : ''"));
    const auto text = rendered ? std::optional<QString>(rendered->toString()) : std::nullopt;
    if (!text) {
        Prompter::tell(QStringLiteral("Sorry. Request couldn't be completed!"), kAssistant,
                       Prompter::Icon::Critical);
        return;
    }
    Clipboard::setText(*text);
    HelpWindow *help = frmHelp();
    help->txtHelp->setPlainText(*text);
    help->setWindowTitle(QStringLiteral("The Document without any tags: Quorl Vevevodi"));
    Openers::showWindow(help);
}

void ComposerWindow::PageTitle()
{
    DocumentCommands::pageTitle(documentView());
}

void ComposerWindow::HeadSnippet(const QString &snippet, bool isScript)
{
    DocumentCommands::headSnippet(documentView(), snippet, isScript);
}

void ComposerWindow::MetaGenerator()
{
    if (!CopyVevevodiToSource(kCopyRewrites))
        return;
    Openers::open({QStringLiteral("MetaGen"), {{QStringLiteral("compOrEdit"),
                                                QStringLiteral("comp")}}, {}},
                  QString());
}

void ComposerWindow::Print()
{
    if (CopyVevevodiToSource(kCopyRewrites))
        DocumentCommands::print(document().area, ComDlg);
}

void ComposerWindow::PageSetup()
{
    DocumentCommands::pageSetup(ComDlg);
}

void ComposerWindow::RestorePoint()
{
    const auto html = txtComp->documentHtml();
    QWidget *restore = WindowDirectory::touch(QStringLiteral("restore"));
    if (!html || !restore)
        return;
    // A point taken in a window of the file viewer goes back to that window.
    if (auto *points = qobject_cast<RestoreWindow *>(restore))
        points->setDocumentWindow(isMainComposer() ? nullptr : this);
    Openers::write(restore, QStringLiteral("txtRestore"),
                   GeneratorRewrite::apply(*html, kCopyRewrites));
    if (auto *title = restore->findChild<QLabel *>(QStringLiteral("lblTitle")))
        title->setText(QStringLiteral("Current Editor Contents"));
    Openers::showWindow(restore);
}

// ---- previews -------------------------------------------------------------------

void ComposerWindow::Preview()
{
    if (!CopyVevevodiToSource(GeneratorRewrite::OwnGenerator))
        return;
    PreviewWindow *preview = TheBrowser();
    preview->showPage(document().area->text());
    preview->compOrEdit = QStringLiteral("comp");
    Composr()->hide();
    preview->Timer1->start();
}

void ComposerWindow::PreviewInBrowser()
{
    // A window the file viewer opened shows its own file, not the main document.
    QString path = document().path;
    bool ok = true;
    if (path.isEmpty()) {
        // The file stays for the browser to read; the next preview replaces
        // it and the program removes it when it ends.
        path = untitledPreviewFile();
        ok = txtComp->SaveDocument(path);
        static bool cleanup = false;
        if (ok && !cleanup) {
            cleanup = true;
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                             [] { QFile::remove(untitledPreviewFile()); });
        }
    }
    if (!ok || !browserLauncher()(QUrl::fromLocalFile(path)))
        Prompter::tell(QStringLiteral("A problem occurred when trying to launch. Unable to "
                                      "proceed!"),
                       kAssistant, Prompter::Icon::Critical);
}

// ---- own insertions -------------------------------------------------------------

void ComposerWindow::Highlight()
{
    ComDlg.ShowColor();
    const QColor colour = ComDlg.Color;
    // Black, or no colour chosen yet, is no colour.
    if (!colour.isValid() || (colour.rgb() & 0xffffff) == 0)
        return;
    // The span keeps what the selection holds: its markup, not just its text.
    const QString selected = mainSelection().html;
    if (selected.isEmpty())
        return;
    Composr()->stageInsertion(QStringLiteral("<span style=\"background-color:")
                              + colour.name().toUpper() + QStringLiteral("\">") + selected
                              + QStringLiteral("</span> &nbsp;"));
}

void ComposerWindow::Flash()
{
    ComDlg.CancelError = true;
    ComDlg.Filter = PageSnippets::flashFilter;
    if (!ComDlg.ShowOpen() || ComDlg.FileName.isEmpty()) {
        Composr()->txtComp->setFocus();
        return;
    }
    Composr()->stageInsertion(PageSnippets::flashObject(ComDlg.FileName));
}

void ComposerWindow::Hyperlink()
{
    const Openers::Selection selected = mainSelection();
    const Openers::Opener opener{QStringLiteral("hyperlinks"),
                                 {{QStringLiteral("compOrEdit"), QStringLiteral("comp")},
                                  {QStringLiteral("txtTextToDisp"), Openers::selection}},
                                 {}};
    // A selected image has no text, but it is a selection to link all the same.
    if (!selected.html.isEmpty() && Openers::available(opener))
        Openers::open(opener, selected);
    else
        txtComp->ExecCommand(5016);
}

void ComposerWindow::EnableStartUp()
{
    QAction *item = Menus::find(Composr(), QStringLiteral("mnuEnableStartUp"));
    bool number = false;
    const int appear =
        SettingsStore::value(QStringLiteral("StartUp Assistant"), QStringLiteral("appear"),
                             QStringLiteral("0"))
            .toInt(&number);
    if (!number) {
        item->setChecked(!item->isChecked());  // a triggered item toggles itself
        return;
    }
    const bool show = appear == 1;
    SettingsStore::setValue(QStringLiteral("StartUp Assistant"), QStringLiteral("appear"),
                            show ? QStringLiteral("0") : QStringLiteral("1"));
    item->setChecked(show);
}
