// The cursor properties dialog: the spans it writes around the source
// selection, its pictures and its menu of arrows.

#include "app/windowregistry.h"
#include "dialogs/cursordialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString placeholder = " <!-- The portion to which the effect has to be applied comes "
                            "here --> </span>";

// Opens the dialog from the source window with text..selected.
CursorDialog *openOn(const QString &text, qsizetype start, qsizetype length)
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText(text);
    quorl->area->setSelStart(start);
    quorl->area->setSelLength(length);
    Menus::find(quorl, "mnuChangePointer")->trigger();
    return qobject_cast<CursorDialog *>(WindowDirectory::loaded("CursorArrow"));
}

} // namespace

class TestCursorDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void span_data();
    void span();
    void picturesAndArrows_data();
    void picturesAndArrows();
    void okWithoutChoiceWritesBack();
    void secondOpeningWrapsTheNewSelection();
    void example();

private:
    TestEnv m_env;
};

void TestCursorDialog::initTestCase()
{
    registerWindows();
}

void TestCursorDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestCursorDialog::span_data()
{
    QTest::addColumn<QString>("cursor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::newRow("hand with Hello")
        << "pointer;cursor:hand" << "Hello"
        << "<span style=\"cursor:pointer;cursor:hand\">Hello</span>";
    QTest::newRow("placeholder") << "sw-resize" << ""
                                 << "<span style=\"cursor:sw-resize\">" + placeholder;
    QTest::newRow("Move keeps its capital") << "Move" << "x"
                                            << "<span style=\"cursor:Move\">x</span>";
}

void TestCursorDialog::span()
{
    QFETCH(QString, cursor);
    QFETCH(QString, text);
    QFETCH(QString, html);
    QCOMPARE(cursorSpan(cursor, text), html);
}

void TestCursorDialog::picturesAndArrows_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("cursor");
    QTest::newRow("cross hair") << "picCrossHair" << "crosshair";
    QTest::newRow("hand") << "picHand" << "pointer;cursor:hand";
    QTest::newRow("help") << "picHelp" << "help";
    QTest::newRow("hour glass") << "picHourGlass" << "wait";
    QTest::newRow("move") << "picMove" << "Move";
    QTest::newRow("North") << "North" << "n-resize";
    QTest::newRow("South West") << "South West" << "sw-resize";
    QTest::newRow("North East") << "North East" << "ne-resize";
}

void TestCursorDialog::picturesAndArrows()
{
    QFETCH(QString, control);
    QFETCH(QString, cursor);
    CursorDialog *dialog = openOn("say Hello", 4, 5);
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Cursor Properties : Quorl"));
    QCOMPARE(dialog->txtCode->toPlainText(), QString("Hello"));
    if (auto *picture = dialog->findChild<QToolButton *>(control)) {
        picture->click();
    } else {
        ScriptedPrompter prompts;
        prompts.expect(ScriptedPrompter::Popup{control});
        dialog->btnMore->click();
        QV_VERIFY_PROMPTS(prompts);
        QCOMPARE(dialog->mnuArrows->actions().size(), 8);
    }
    QCOMPARE(dialog->txtCode->toPlainText(), cursorSpan(cursor, "Hello"));
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(Quorl()->area->text(), "say " + cursorSpan(cursor, "Hello"));
    QVERIFY(!WindowDirectory::isLoaded("CursorArrow"));
}

void TestCursorDialog::okWithoutChoiceWritesBack()
{
    CursorDialog *dialog = openOn("say Hello", 4, 5);
    dialog->OKButton->click();
    QCOMPARE(Quorl()->area->text(), QString("say Hello"));

    dialog = openOn("", 0, 0);
    dialog->picMove->click();
    dialog->OKButton->click();
    QCOMPARE(Quorl()->area->text(), "<span style=\"cursor:Move\">" + placeholder);
}

void TestCursorDialog::secondOpeningWrapsTheNewSelection()
{
    CursorDialog *dialog = openOn("one two", 0, 3);
    dialog->picHelp->click();
    // Opened again while still open, now on "two".
    Quorl()->area->setSelStart(4);
    Quorl()->area->setSelLength(3);
    Menus::find(Quorl(), "mnuChangePointer")->trigger();
    QCOMPARE(WindowDirectory::loaded("CursorArrow"), dialog);
    QCOMPARE(dialog->txtCode->toPlainText(), QString("two"));
    dialog->picHand->click();
    QCOMPARE(dialog->txtCode->toPlainText(), cursorSpan("pointer;cursor:hand", "two"));
    // The user's own edits of the box do not become the selection.
    dialog->txtCode->setPlainText("typed");
    dialog->picHelp->click();
    QCOMPARE(dialog->txtCode->toPlainText(), cursorSpan("help", "two"));
}

void TestCursorDialog::example()
{
    CursorDialog *dialog = openOn("", 0, 0);
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{
        "Example:\r\n\r\n<span style=\"cursor:Move\"> Some text </span>", "Assistant: Quorl",
        Prompter::Icon::Information, Prompter::Buttons::Ok});
    dialog->btnExample->click();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(TestCursorDialog)
#include "tst_cursordialog.moc"
