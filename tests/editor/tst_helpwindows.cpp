#include "app/windowregistry.h"
#include "editor/aboutwindow.h"
#include "editor/editprops.h"
#include "editor/helpwindow.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextEdit>

using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Msg = ScriptedPrompter::Message;

namespace {

const QString numericMessage = u"Please enter only valid numerical data"_qs;
const QString missingPage =
    u"Unable to load help file. File seems to have been moved or removed"_qs;

// The pages the windows' Help buttons open.
const QStringList shippedPages = {
    u"tclip.qhp"_qs,      u"restore.qhp"_qs,    u"bmark.qhp"_qs,      u"suwiz.qhp"_qs,
    u"crashRec.qhp"_qs,   u"tb01.qhp"_qs,       u"tb03.qhp"_qs,       u"hr.qhp"_qs,
    u"highlight.qhp"_qs,  u"bulnum.qhp"_qs,     u"image.qhp"_qs,      u"layer.qhp"_qs,
    u"heading.qhp"_qs,    u"tb02.qhp"_qs,       u"styleText.qhp"_qs,  u"marquee.qhp"_qs,
    u"linkedlists.qhp"_qs, u"cursor.qhp"_qs,    u"metagen.qhp"_qs,    u"textbox.qhp"_qs,
    u"textarea.qhp"_qs,   u"button.qhp"_qs,     u"fileUpload.qhp"_qs, u"list.qhp"_qs,
    u"fieldset.qhp"_qs,   u"forms.qhp"_qs,      u"hidden.qhp"_qs,     u"boxmaker.qhp"_qs,
    u"navmaker.qhp"_qs,   u"plugTool.qhp"_qs,   u"stylesheet.qhp"_qs};

// Every page name written in the program's sources.
QSet<QString> pagesNamedInSources(int *filesRead)
{
    QSet<QString> names;
    *filesRead = 0;
    const QString src = QDir(qEnvironmentVariable("QV_DATA")).filePath(u"../src"_qs);
    static const QRegularExpression literal(uR"re("([A-Za-z0-9_]+\.qhp)")re"_qs);
    QDirIterator it(src, {u"*.cpp"_qs, u"*.h"_qs}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        ++*filesRead;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &m : literal.globalMatch(text))
            names.insert(m.captured(1));
    }
    return names;
}

} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void checkNumeric_data();
    void checkNumeric();
    void numericFieldTypedKeyByKey();
    void helpPages_data();
    void helpPages();
    void pagesNamedInTheProgramExist();
    void missingOrUnreadablePage_data();
    void missingOrUnreadablePage();
    void secondPageReplacesTheFirst();
    void helpViewerCloses();
    void editorPropertiesApplyAtOnce();
    void editorPropertiesClose();
    void aboutBox();
    void menuItemsOpenTheWindows();

private:
    TestEnv m_env;
};

void TestHelpWindows::initTestCase()
{
    registerWindows();
}

void TestHelpWindows::cleanup()
{
    TestEnv::unloadWindows();
}

void TestHelpWindows::checkNumeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    for (const char *ok : {"", "12", "-3", "+4", "007", ".5", "1.", "1.5", "-1.5e-3", "1e3",
                           "1E+3", " 12", "12 ", " -7 "})
        QTest::addRow("number \"%s\"", ok) << QString::fromLatin1(ok) << true;
    for (const char *prefix : {"-", "+", ".", "-.", "1e", "1e-", "1.5E+"})
        QTest::addRow("prefix \"%s\"", prefix) << QString::fromLatin1(prefix) << true;
    for (const char *bad : {"12a", "a", "e", ".e", "e5", "--1", "1.2.3", "1e3.5", "1e3e",
                            "1 2", "1,000", "0x1F", "inf"})
        QTest::addRow("rejected \"%s\"", bad) << QString::fromLatin1(bad) << false;
}

void TestHelpWindows::checkNumeric()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    ScriptedPrompter p;
    if (!accepted)
        p.expect(Msg{numericMessage, u"Assistant: Quorl"_qs, Icon::Exclamation, Buttons::Ok});
    QCOMPARE(CheckNumeric(text), accepted ? text : QString());
    QV_VERIFY_PROMPTS(p);

    // At confirm the start of a number is no number.
    const bool prefix = QTest::currentDataTag()[0] == 'p';
    if (!accepted || prefix)
        p.expect(Msg{numericMessage, u"Assistant: Quorl"_qs, Icon::Exclamation, Buttons::Ok});
    QCOMPARE(CheckNumericComplete(text), accepted && !prefix ? text : QString());
    QV_VERIFY_PROMPTS(p);
}

void TestHelpWindows::numericFieldTypedKeyByKey()
{
    QLineEdit field;
    bindNumericField(&field);
    {
        ScriptedPrompter p;
        QTest::keyClicks(&field, u"-1.5e-3"_qs);
        QCOMPARE(field.text(), u"-1.5e-3"_qs);
        QV_VERIFY_PROMPTS(p);
    }
    {
        // One message, then the field is empty and stays quiet.
        ScriptedPrompter p;
        p.expect(Msg{numericMessage, u"Assistant: Quorl"_qs, Icon::Exclamation, Buttons::Ok});
        QTest::keyClicks(&field, u"x"_qs);
        QCOMPARE(field.text(), QString());
        QTest::keyClicks(&field, u"7"_qs);
        QCOMPARE(field.text(), u"7"_qs);
        QV_VERIFY_PROMPTS(p);
    }
}

void TestHelpWindows::helpPages_data()
{
    QTest::addColumn<QString>("page");
    for (const QString &page : shippedPages)
        QTest::newRow(qPrintable(page)) << page;
}

void TestHelpWindows::helpPages()
{
    QFETCH(QString, page);
    QFile file(QDir(m_env.programFolder()).filePath(u"misc/"_qs + page));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
    QVERIFY2(file.peek(5) == "{\\rtf", "pages are rich text");

    ScriptedPrompter p;
    ShowHelpPage(page);
    QV_VERIFY_PROMPTS(p);
    HelpWindow *viewer = qobject_cast<HelpWindow *>(WindowDirectory::loaded(u"frmHelp"_qs));
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), u"Specific Help: Quorl Vevevodi"_qs);
    const QString text = viewer->txtHelp->toPlainText();
    QVERIFY2(text.size() > 200, "a page says what its window does");
    QVERIFY2(!text.contains(u'\\') && !text.contains(u'{'), "no markup shows");
    // The page opens at its top: its first line is its heading.
    QCOMPARE(viewer->txtHelp->textCursor().position(), 0);
}

void TestHelpWindows::pagesNamedInTheProgramExist()
{
    int filesRead = 0;
    const QSet<QString> named = pagesNamedInSources(&filesRead);
    QVERIFY2(filesRead > 10, "the sources were found");
    for (const QString &page : named) {
        const QString path = ProgramFolder::resolve(u"misc/"_qs + page);
        QVERIFY2(QFile::exists(path), qPrintable(page + u" is missing"_qs));
        ScriptedPrompter p;
        ShowHelpPage(page);
        QV_VERIFY_PROMPTS(p);
    }
}

void TestHelpWindows::missingOrUnreadablePage_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("absent") << u"nothing.qhp"_qs;
    QTest::newRow("a folder") << u"folder.qhp"_qs;
}

void TestHelpWindows::missingOrUnreadablePage()
{
    QFETCH(QString, page);
    QDir(m_env.programFolder()).mkpath(u"misc/folder.qhp"_qs);
    ScriptedPrompter p;
    p.expect(Msg{missingPage, u"Assistant: Quorl"_qs, Icon::Critical, Buttons::Ok});
    ShowHelpPage(page);
    QV_VERIFY_PROMPTS(p);
    QWidget *viewer = WindowDirectory::loaded(u"frmHelp"_qs);
    QVERIFY(!viewer || !viewer->isVisible());

    // An open viewer keeps its page.
    ShowHelpPage(u"hr.qhp"_qs);
    const QString before = frmHelp()->txtHelp->toPlainText();
    p.expect(Msg{missingPage, u"Assistant: Quorl"_qs, Icon::Critical, Buttons::Ok});
    ShowHelpPage(page);
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(frmHelp()->txtHelp->toPlainText(), before);
    QVERIFY(frmHelp()->isVisible());
}

void TestHelpWindows::secondPageReplacesTheFirst()
{
    const QString misc = QDir(m_env.programFolder()).filePath(u"misc"_qs);
    QFile one(QDir(misc).filePath(u"one.qhp"_qs));
    QVERIFY(one.open(QIODevice::WriteOnly));
    one.write(R"({\rtf1\ansi {\b First} page\par})");
    one.close();
    QFile two(QDir(misc).filePath(u"Two.QHP"_qs));
    QVERIFY(two.open(QIODevice::WriteOnly));
    two.write("A plain-text page");
    two.close();

    ScriptedPrompter p;
    ShowHelpPage(u"one.qhp"_qs);
    HelpWindow *viewer = frmHelp();
    QCOMPARE(viewer->txtHelp->toPlainText(), u"First page"_qs);
    ShowHelpPage(u"two.qhp"_qs);  // names in the program folder match in any case
    QCOMPARE(frmHelp(), viewer);
    QCOMPARE(viewer->txtHelp->toPlainText(), u"A plain-text page"_qs);
    QVERIFY(viewer->isVisible());
    QV_VERIFY_PROMPTS(p);
}

void TestHelpWindows::helpViewerCloses()
{
    ScriptedPrompter p;
    ShowHelpPage(u"hr.qhp"_qs);
    HelpWindow *viewer = frmHelp();
    viewer->setWindowTitle(u"Text of the page"_qs);  // as another window may
    QTest::mouseClick(viewer->Command1, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!WindowDirectory::isLoaded(u"frmHelp"_qs));
    QCOMPARE(frmHelp()->windowTitle(), u"Specific Help: Quorl Vevevodi"_qs);
    QV_VERIFY_PROMPTS(p);
}

void TestHelpWindows::editorPropertiesApplyAtOnce()
{
    auto *props = WindowDirectory::touch<EditPropsWindow>(u"EditProps"_qs);
    QVERIFY(props);
    QCOMPARE(props->windowTitle(), u"Editor Properties"_qs);
    QVERIFY(props->listFont->count() > 0);
    QCOMPARE(props->listSize->count(), 16);
    QCOMPARE(props->listContrast->count(), 7);
    SourceArea *area = Quorl()->area;

    auto pick = [](QListWidget *list, const QString &text) {
        const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        list->setCurrentItem(items.first());
    };
    pick(props->listContrast, u"Sky"_qs);
    QCOMPARE(area->backColor(), QColor(192, 255, 255));
    pick(props->listContrast, u"Peach"_qs);
    QCOMPARE(area->backColor(), QColor(255, 224, 192));
    pick(props->listContrast, u"White"_qs);
    QCOMPARE(area->backColor(), QColor(255, 255, 255));
    QVERIFY(!EditPropsWindow::contrastColor(u"Navy"_qs).isValid());

    pick(props->listSize, u"14"_qs);
    QCOMPARE(area->font().pointSize(), 14);
    QStringList families;
    for (int i = 0; i < props->listFont->count(); ++i)
        families << props->listFont->item(i)->text();
    QCOMPARE(families.removeDuplicates(), 0);
    QVERIFY(families.filter(u" ["_qs).isEmpty());
    const QString family = props->listFont->item(props->listFont->count() - 1)->text();
    pick(props->listFont, family);
    QCOMPARE(area->font().family(), family);
    QCOMPARE(area->font().pointSize(), 14);  // a font keeps the size

    // Closing from the frame keeps the choices on the area and stores nothing.
    m_env.clearSettings();
    props->close();
    QCOMPARE(SettingsStore::value(u"Editor"_qs, u"Font Size"_qs, u"unset"_qs), u"unset"_qs);
    QCOMPARE(area->backColor(), QColor(255, 255, 255));
    QCOMPARE(area->font().family(), family);
}

void TestHelpWindows::editorPropertiesClose()
{
    m_env.clearSettings();
    auto *props = WindowDirectory::touch<EditPropsWindow>(u"EditProps"_qs);
    QTest::mouseClick(props->OKButton, Qt::LeftButton);
    QCOMPARE(SettingsStore::value(u"Editor"_qs, u"Font Size"_qs, u"unset"_qs), QString());
    QCOMPARE(SettingsStore::value(u"Editor"_qs, u"Font Name"_qs, u"unset"_qs), QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!WindowDirectory::isLoaded(u"EditProps"_qs));

    props = WindowDirectory::touch<EditPropsWindow>(u"EditProps"_qs);
    props->listSize->setCurrentRow(15);
    props->listFont->setCurrentRow(0);
    const QString family = props->listFont->item(0)->text();
    QTest::mouseClick(props->OKButton, Qt::LeftButton);
    QCOMPARE(SettingsStore::value(u"Editor"_qs, u"Font Size"_qs), u"72"_qs);
    QCOMPARE(SettingsStore::value(u"Editor"_qs, u"Font Name"_qs), family);
}

void TestHelpWindows::aboutBox()
{
    auto *about = WindowDirectory::touch<AboutWindow>(u"frmAbout"_qs);
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), u"About Quorl Vevevodi"_qs);
    QVERIFY(!about->picLogo->pixmap().isNull());
    const QStringList lines = about->lblAbout->text().split(u"\r\n"_qs);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].contains(AboutWindow::makerName) && lines[0].contains(AboutWindow::makerMail));
    QVERIFY(lines[1].contains(AboutWindow::makerSite));

    for (const char *target : {"lblAbout", "picLogo", "window"}) {
        about = WindowDirectory::touch<AboutWindow>(u"frmAbout"_qs);
        about->show();
        QWidget *clicked = about->findChild<QWidget *>(QString::fromLatin1(target));
        QTest::mouseClick(clicked ? clicked : about, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(!WindowDirectory::isLoaded(u"frmAbout"_qs), target);
    }
}

void TestHelpWindows::menuItemsOpenTheWindows()
{
    for (const char *item : {"mnuEditProperties", "mnuAbout"}) {
        QAction *action = Menus::find(Quorl(), QString::fromLatin1(item));
        QVERIFY2(action && action->isEnabled(), item);
        action->trigger();
    }
    QVERIFY(WindowDirectory::loaded(u"EditProps"_qs)->isVisible());
    QVERIFY(WindowDirectory::loaded(u"frmAbout"_qs)->isVisible());
    QVERIFY(!Quorl()->isVisible());
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
