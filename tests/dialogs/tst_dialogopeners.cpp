// Every element dialog and page tool is reachable from the menus of both main
// windows with its target written, and its Help button shows its own page.
#include "app/windowregistry.h"
#include "editor/helpwindow.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {

// A control the user types or chooses a value in (the line edit inside a
// combo or spin box is part of that box).
bool isField(const QWidget *w)
{
    if (qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractItemView *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w))
        return true;
    return qobject_cast<const QLineEdit *>(w)
           && !qobject_cast<const QComboBox *>(w->parentWidget())
           && !qobject_cast<const QAbstractSpinBox *>(w->parentWidget());
}

// What a screen reader says a field is: its own name, else the label it is
// labelled by (a label that is its buddy, else the frame around it).
QString fieldName(QWidget *field)
{
    if (!field->accessibleName().isEmpty())
        return field->accessibleName();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
    const auto labels = accessible ? accessible->relations(QAccessible::Label)
                                   : decltype(accessible->relations())();
    return labels.isEmpty() ? QString() : labels.constFirst().first->text(QAccessible::Name);
}

// The title of the frame a field stands in; empty outside every frame.
QString frameOf(const QWidget *field)
{
    for (const QWidget *w = field->parentWidget(); w; w = w->parentWidget()) {
        if (auto *frame = qobject_cast<const QGroupBox *>(w))
            return frame->title();
    }
    return QString();
}

} // namespace

class TestDialogOpeners : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void menuItemOpensDialog_data();
    void menuItemOpensDialog();
    void helpPages_data();
    void helpPages();

private:
    TestEnv m_env;
};

void TestDialogOpeners::initTestCase()
{
    registerWindows();
}

void TestDialogOpeners::cleanup()
{
    for (const char *name : {"Quorl", "Composr"}) {
        if (QWidget *w = WindowDirectory::loaded(name))
            w->hide();
    }
    // The main windows stay loaded: building the composer again each row is slow.
    for (const char *name : {"frmrow", "visTbl", "rule", "highlight", "heading", "frmFont",
                             "hyperlinks", "target", "mail", "bullets", "ListURLs", "frmImage",
                             "rollover", "styleText", "marquee", "CursorArrow", "MetaGen",
                             "NavListURLs", "NavMaker", "styleSheetWiz", "styleSheet",
                             "toolplugin", "loading", "JSConsole", "pageProps", "frmHelp"})
        WindowDirectory::unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestDialogOpeners::menuItemOpensDialog_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");  // the window that holds the target
    QTest::addColumn<QString>("shown");   // the window the user sees
    QTest::addColumn<QString>("target");  // empty: the dialog has none
    const auto row = [](const char *window, const char *item, const char *dialog,
                        const char *shown, const char *target) {
        QTest::addRow("%s %s", window, item) << window << item << dialog << shown << target;
    };
    row("Quorl", "mnuinsrowcol", "frmrow", "frmrow", "");
    row("Quorl", "mnuVisTbl", "visTbl", "visTbl", "edit");
    row("Quorl", "mnuHR", "rule", "rule", "edit");
    row("Quorl", "mnuHighlight", "highlight", "highlight", "edit");
    row("Quorl", "mnuHeading", "heading", "heading", "edit");
    row("Quorl", "mnuFont", "frmFont", "frmFont", "edit");
    row("Quorl", "mnuHyperlink", "hyperlinks", "hyperlinks", "edit");
    row("Quorl", "mnuLinkMail", "mail", "mail", "");
    row("Quorl", "mnuBullets", "bullets", "bullets", "edit");
    row("Quorl", "mnuNumbering", "bullets", "bullets", "edit");
    row("Quorl", "mnuListLinks", "ListURLs", "ListURLs", "edit");
    row("Quorl", "mnuImage", "frmImage", "frmImage", "edit");
    row("Quorl", "mnuRollImage", "rollover", "rollover", "");
    row("Quorl", "mnuText", "styleText", "styleText", "edit");
    row("Quorl", "mnuMarquee", "marquee", "marquee", "edit");
    row("Quorl", "mnuChangePointer", "CursorArrow", "CursorArrow", "");
    row("Quorl", "mnuMetaGen", "MetaGen", "MetaGen", "edit");
    row("Quorl", "mnuNavigator", "NavListURLs", "NavMaker", "edit");
    row("Quorl", "mnuStyleSheet", "styleSheetWiz", "styleSheet", "edit");
    row("Quorl", "mnuPlugIn", "toolplugin", "toolplugin", "");
    row("Composr", "mnuVisTbl", "visTbl", "visTbl", "comp");
    row("Composr", "mnuRule", "rule", "rule", "comp");
    row("Composr", "mnuHeading", "heading", "heading", "comp");
    row("Composr", "mnuListLinks", "ListURLs", "ListURLs", "comp");
    row("Composr", "mnuText", "styleText", "styleText", "comp");
    row("Composr", "mnuMarquee", "marquee", "marquee", "comp");
    row("Composr", "mnuInsLayer", "loading", "loading", "");
    row("Composr", "mnuJavaScriptCons", "JSConsole", "JSConsole", "");
    row("Composr", "mnuPageProps", "pageProps", "pageProps", "");
    row("Composr", "mnuMetaGen", "MetaGen", "MetaGen", "comp");
    row("Composr", "mnuNavigator", "NavListURLs", "NavMaker", "comp");
    row("Composr", "mnuStyleSheet", "styleSheetWiz", "styleSheet", "comp");
    row("Composr", "mnuPlugIn", "toolplugin", "toolplugin", "");
}

void TestDialogOpeners::menuItemOpensDialog()
{
    QFETCH(QString, window);
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(QString, shown);
    QFETCH(QString, target);
    QWidget *main = window == u"Quorl" ? static_cast<QWidget *>(Quorl())
                                       : static_cast<QWidget *>(Composr());
    QAction *action = Menus::find(main, item);
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    action->trigger();
    QWidget *visible = WindowDirectory::loaded(shown);
    QVERIFY(visible && visible->isVisible());
    QWidget *holder = WindowDirectory::loaded(dialog);
    QVERIFY(holder);
    if (!target.isEmpty())
        QCOMPARE(holder->property("compOrEdit").toString(), target);
    // A picture button tells a user and a screen reader what it does.
    for (QWidget *window : {visible, holder}) {
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
            if (!b->text().isEmpty() || !b->isVisibleTo(window))
                continue;
            QAccessibleInterface *named = QAccessible::queryAccessibleInterface(b);
            QVERIFY2(named && !named->text(QAccessible::Name).isEmpty(),
                     qPrintable(b->objectName()));
            QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        }
        // Each field is named by its own label, so no two in one frame
        // sound alike.
        QHash<QString, QString> named;
        for (QWidget *field : window->findChildren<QWidget *>()) {
            if (!isField(field) || !field->isVisibleTo(window))
                continue;
            const QString name = fieldName(field);
            QVERIFY2(!name.isEmpty(), qPrintable(field->objectName()));
            const QString key = frameOf(field) + u'/' + name;
            QVERIFY2(!named.contains(key), qPrintable(field->objectName() + " and "
                                                      + named.value(key) + ": " + key));
            named.insert(key, field->objectName());
        }
    }
}

void TestDialogOpeners::helpPages_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::newRow("rows") << "frmrow" << "tb03.qhp" << "Help";
    QTest::newRow("visual table") << "visTbl" << "tb02.qhp" << "Help";
    QTest::newRow("rule") << "rule" << "hr.qhp" << "Help";
    QTest::newRow("highlight") << "highlight" << "highlight.qhp" << "Help";
    QTest::newRow("heading") << "heading" << "heading.qhp" << "Help";
    QTest::newRow("bullets") << "bullets" << "bulnum.qhp" << "Help";
    QTest::newRow("linked list") << "ListURLs" << "linkedlists.qhp" << "Show Help";
    QTest::newRow("image") << "frmImage" << "image.qhp" << "Show Help";
    QTest::newRow("marquee") << "marquee" << "marquee.qhp" << "Show Help";
    QTest::newRow("styled text") << "styleText" << "styleText.qhp" << "Show Help";
    QTest::newRow("layer") << "loading" << "layer.qhp" << "Show Help";
    QTest::newRow("meta generator") << "MetaGen" << "metagen.qhp" << "Show Help";
    QTest::newRow("cursor") << "CursorArrow" << "cursor.qhp" << "Help";
    QTest::newRow("navigation bar") << "NavMaker" << "navmaker.qhp" << "Help";
    QTest::newRow("navigation links") << "NavListURLs" << "navmaker.qhp" << "Help";
    QTest::newRow("style sheet") << "styleSheet" << "stylesheet.qhp" << "Help";
    QTest::newRow("plug-in tools") << "toolplugin" << "plugTool.qhp" << "Show Help";
}

void TestDialogOpeners::helpPages()
{
    QFETCH(QString, dialog);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    QDir(m_env.programFolder()).mkpath("misc");
    QFile file(QDir(m_env.programFolder()).filePath("misc/" + page));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Help on " + page.toUtf8());
    file.close();
    QWidget *window = WindowDirectory::touch(dialog);
    QVERIFY(window);
    auto *help = window->findChild<QPushButton *>("btnHelp");
    QVERIFY(help);
    QCOMPARE(help->text(), caption);
    help->click();
    QVERIFY(frmHelp()->isVisible());
    QVERIFY(frmHelp()->txtHelp->toPlainText().contains("Help on " + page));
}

QTEST_MAIN(TestDialogOpeners)
#include "tst_dialogopeners.moc"
