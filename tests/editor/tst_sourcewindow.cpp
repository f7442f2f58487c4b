#include "app/windowregistry.h"
#include "editor/sourcewindow.h"
#include "editor/toolicons.h"
#include "platform/clipboard.h"
#include "platform/sourcearea.h"
#include "support/testenv.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

class TestSourceWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void freshWindow();
    void typingOneCharacter();
    void programmaticPutAndChangeOrder();
    void copyCutWithNothingSelected();
    void copyCutPaste();
    void pasteWithoutTextChangesNothing();
    void selectAll();
    void editMenuOpeningEnablesFindNext();
    void menuShortcutsWinOverTheTextArea();
    void greyedShortcutsAndForeignBindingsLeaveTheText_data();
    void greyedShortcutsAndForeignBindingsLeaveTheText();
    void menus();
    void toolIconsFromTheInstalledTheme_data();
    void toolIconsFromTheInstalledTheme();

private:
    TestEnv m_env;
    SourceWindow *w = nullptr;
};

void TestSourceWindow::initTestCase()
{
    registerWindows();
}

void TestSourceWindow::init()
{
    w = Quorl();
    QVERIFY(w);
}

void TestSourceWindow::cleanup()
{
    WindowDirectory::unload("Quorl");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSourceWindow::freshWindow()
{
    QCOMPARE(w->objectName(), QString("Quorl"));
    QCOMPARE(w->windowTitle(), QString("Untitled(): Quorl - By Korrandel"));
    QCOMPARE(w->area->font().pointSizeF(), 9.75);
    QCOMPARE(w->star, QString());
    QCOMPARE(w->DocumentPath, QString());
    QCOMPARE(w->area->text(), QString());
    QCOMPARE(w->panelText(3), QString("Lines:  1"));
    QCOMPARE(w->blankPageHtml,
             QString("<HTML>\r\n<HEAD>\r\n<META NAME=\"GENERATOR\" Content=\"Quorl Vevevodi\">"
                     "\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n<P>&nbsp;</P>\r\n</BODY>"
                     "\r\n</HTML>"));
    QVERIFY(w->area1->isHidden());
    QVERIFY(w->area1->text().endsWith("<!--This page has been created by using Korrandel's "
                                      "Quorl-->"));
    QCOMPARE(w->findChild<SourceArea *>("area"), w->area);
    QVERIFY(w->findChild<QObject *>("StatusBar1"));
}

void TestSourceWindow::typingOneCharacter()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->area->setFocus();
    QTest::keyClick(w->area, Qt::Key_H);
    QCOMPARE(w->area->text(), QString("h"));
    QCOMPARE(w->star, QString("*"));
    QCOMPARE(w->windowTitle(), QString("Quorl Vevevodi: By Korrandel - (*) "));
    QCOMPARE(w->panelText(3), QString("Lines:  1"));
    QCOMPARE(w->panelText(1), QString("Ready: Quorl Vevevodi - By: Korrandel"));
    QTest::keyClick(w->area, Qt::Key_Return);
    QCOMPARE(w->panelText(3), QString("Lines:  2"));
}

void TestSourceWindow::programmaticPutAndChangeOrder()
{
    w->DocumentPath = "/home/u/page.html";
    w->setPanelText(1, "before");
    QStringList seen;
    w->mnuAutoRecog->setChecked(true);
    w->autoRecognizeTag = [&] {
        // The recogniser sees the marker, caption and count already updated
        // and the ready text not yet written.
        seen << w->star << w->windowTitle() << w->panelText(3) << w->panelText(1);
    };
    w->area->setText("<HTML>\r\n<BODY>\r\n</BODY>");
    QCOMPARE(seen, QStringList({"*", "Quorl Vevevodi: By Korrandel - (*) /home/u/page.html",
                                "Lines:  3", "before"}));
    QCOMPARE(w->panelText(1), QString("Ready: Quorl Vevevodi - By: Korrandel"));

    // Unchecked, the recogniser does not run.
    seen.clear();
    w->mnuAutoRecog->setChecked(false);
    w->area->setSelText("x");
    QVERIFY(seen.isEmpty());

    w->star.clear();
    w->titleupdate();
    QCOMPARE(w->windowTitle(), QString("Quorl Vevevodi: By Korrandel - () /home/u/page.html"));
}

void TestSourceWindow::copyCutWithNothingSelected()
{
    Clipboard::setText("keep");
    w->area->setText("abc");
    w->star.clear();
    w->area->setSelStart(1);
    w->copy();
    w->cut();
    QCOMPARE(Clipboard::text(), QString("keep"));
    QCOMPARE(w->area->text(), QString("abc"));
    QCOMPARE(w->star, QString());
}

void TestSourceWindow::copyCutPaste()
{
    w->area->setText("one\r\ntwo");
    w->area->setSelStart(2);
    w->area->setSelLength(4);
    w->copy();
    QCOMPARE(Clipboard::text(), QString("e\r\nt"));
    w->cut();
    QCOMPARE(w->area->text(), QString("onwo"));
    w->area->setSelStart(4);
    w->paste();
    QCOMPARE(w->area->text(), QString("onwoe\r\nt"));
}

void TestSourceWindow::pasteWithoutTextChangesNothing()
{
    w->area->setText("abc");
    w->area->setSelStart(0);
    w->area->setSelLength(2);
    w->star.clear();
    auto *image = new QMimeData;
    image->setData("image/png", QByteArray("\x89PNG"));
    QGuiApplication::clipboard()->setMimeData(image);
    w->paste();
    QCOMPARE(w->area->text(), QString("abc"));
    QCOMPARE(w->area->selLength(), 2);
    QCOMPARE(w->star, QString());
}

void TestSourceWindow::selectAll()
{
    w->selectAll();     // empty: nothing to select, no error
    QCOMPARE(w->area->selLength(), 0);
    const QString big = QString("<P>line</P>\r\n").repeated(5000);  // 65,000 characters
    w->area->setText(big);
    w->area->setSelStart(7);
    w->selectAll();
    QCOMPARE(w->area->selStart(), 0);
    QCOMPARE(w->area->selLength(), big.size());
}

void TestSourceWindow::editMenuOpeningEnablesFindNext()
{
    QMetaObject::invokeMethod(w->mnuEdit, "aboutToShow");
    QVERIFY(!w->mnuFindNext->isEnabled());
    w->txtSearch = "needle";
    w->mnuFind->setEnabled(true);
    QMetaObject::invokeMethod(w->mnuEdit, "aboutToShow");
    QVERIFY(w->mnuFindNext->isEnabled());
}

void TestSourceWindow::menuShortcutsWinOverTheTextArea()
{
    // Ctrl+K is the Hyperlink item's; the text area's own binding deletes to
    // the end of the line.
    auto *hyperlink = new QAction("Hyper&link", w);
    for (QAction *taken : w->findChildren<QAction *>())
        if (taken->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_K))
            taken->setShortcut(QKeySequence());
    hyperlink->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    w->mnuEdit->addAction(hyperlink);
    QSignalSpy triggered(hyperlink, &QAction::triggered);
    w->area->setText("keep this line");
    w->area->setSelStart(0);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->area->setFocus();
    QTest::keyClick(w->area, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(w->area->text(), QString("keep this line"));
    // Keys that no menu takes still reach the text area.
    QTest::keyClick(w->area, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w->area->selStart(), w->area->textLength());
    QTest::keyClick(w->area, Qt::Key_A, Qt::ControlModifier);  // Select All, the menu's
    QCOMPARE(w->area->selLength(), w->area->textLength());
}

void TestSourceWindow::greyedShortcutsAndForeignBindingsLeaveTheText_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("greyedItem");
    QTest::newRow("Ctrl+K, greyed item") << int(Qt::Key_K) << true;
    QTest::newRow("Ctrl+D, greyed item") << int(Qt::Key_D) << true;
    QTest::newRow("Ctrl+V, greyed item") << int(Qt::Key_V) << true;
    QTest::newRow("Ctrl+K, no item") << int(Qt::Key_K) << false;
    QTest::newRow("Ctrl+D, no item") << int(Qt::Key_D) << false;
}

void TestSourceWindow::greyedShortcutsAndForeignBindingsLeaveTheText()
{
    QFETCH(int, key);
    QFETCH(bool, greyedItem);
    const QKeySequence shortcut(QKeyCombination(Qt::ControlModifier, Qt::Key(key)));
    // The window's own item with this key is greyed too, whatever it is.
    for (QAction *a : w->findChildren<QAction *>()) {
        if (a->shortcut() == shortcut)
            a->setEnabled(false);
    }
    if (greyedItem) {
        auto *item = new QAction("Greyed", w);
        item->setShortcut(shortcut);
        item->setEnabled(false);
        w->mnuEdit->addAction(item);
    }
    Clipboard::setText("pasted");
    w->area->setText("keep this line");
    w->area->setSelStart(4);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->area->setFocus();
    QTest::keyClick(w->area, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(w->area->text(), QString("keep this line"));
}

void TestSourceWindow::menus()
{
    QStringList titles;
    for (QAction *a : w->menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, QStringList({"&File", "&Edit", "&View", "F&ormat", "&Insert", "O&ptions",
                                  "&Style", "Tools", "&Help"}));
    QStringList file;
    for (QAction *a : w->mnuFile->actions())
        file << (a->isSeparator() ? QString("-") : a->text() + " " + a->shortcut().toString());
    QCOMPARE(file, QStringList({"New Ctrl+N", "&Open Ctrl+O", "&Save Ctrl+S", "Save &As ",
                                "Recent ", "-", "Vevevodi F2", "Preview F5", "-",
                                "Insert &File ", "-", "Page Setup ", "Print ", "-",
                                "E&xit Ctrl+E"}));
    QVERIFY(w->mnuCopy->isEnabled());
    QVERIFY(w->mnuSelectAll->isEnabled());
    QCOMPARE(w->mnuSelectAll->shortcut(), QKeySequence("Ctrl+A"));
    for (QAction *a : w->recent)
        QVERIFY(!a->isVisible());
    // Recent is greyed while it lists nothing, and so is every submenu whose
    // items are all greyed.
    QVERIFY(!w->mnuRecent->menuAction()->isEnabled());
    w->recent[4]->setEnabled(true);
    w->recent[4]->setVisible(true);
    QVERIFY(w->mnuRecent->menuAction()->isEnabled());
    w->recent[4]->setVisible(false);
    QVERIFY(!w->mnuRecent->menuAction()->isEnabled());
    for (QMenu *sub : w->findChildren<QMenu *>()) {
        const auto holders = sub->menuAction()->associatedObjects();
        if (std::none_of(holders.begin(), holders.end(),
                         [](QObject *o) { return qobject_cast<QMenu *>(o); }))
            continue;  // a menu of the menu bar
        bool usable = false;
        for (QAction *a : sub->actions())
            usable = usable || (!a->isSeparator() && a->isVisible() && a->isEnabled());
        if (!usable)
            QVERIFY2(!sub->menuAction()->isEnabled(), qPrintable(sub->objectName()));
    }
}

void TestSourceWindow::toolIconsFromTheInstalledTheme_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("themeIcon");
    QTest::newRow("Open") << "Open" << "document-open";
    QTest::newRow("Bold") << "Bold" << "format-text-bold";
    QTest::newRow("Center") << "Center" << "format-justify-center";
    QTest::newRow("links") << "btnLinks" << "insert-link";
    QTest::newRow("spelling") << "btnSpell" << "tools-check-spelling";
    QTest::newRow("no standard name: drawn") << "btnBullets" << "";
}

void TestSourceWindow::toolIconsFromTheInstalledTheme()
{
    QFETCH(QString, key);
    QFETCH(QString, themeIcon);
    const QIcon icon = ToolIcons::icon(key);
    QCOMPARE(icon.name(), themeIcon);
    QVERIFY(!icon.pixmap(24, 24).isNull());
}

QTEST_MAIN(TestSourceWindow)
#include "tst_sourcewindow.moc"
