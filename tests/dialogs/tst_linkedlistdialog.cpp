#include "app/windowregistry.h"
#include "dialogs/linkedlistdialog.h"
#include "editor/menubuilder.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(LinkedListValues)

namespace {

using Message = ScriptedPrompter::Message;
using Input = ScriptedPrompter::Input;

const QString addressPrompt = "Enter the url/location to which the point has to be linked to";

// Adds each pair through the address prompt.
void addPairs(LinkedListDialog *dialog, const QList<QPair<QString, QString>> &pairs)
{
    ScriptedPrompter prompts;
    for (const auto &[point, address] : pairs)
        prompts.expect(Input{addressPrompt, "Enter address/URL", address});
    for (const auto &[point, address] : pairs) {
        dialog->txtPoints->setText(point);
        dialog->btnAdd->click();
    }
    QVERIFY(prompts.failures().isEmpty() && prompts.allAnswered());
}

} // namespace

class TestLinkedListDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void builder_data();
    void builder();
    void addressPromptAnswers_data();
    void addressPromptAnswers();
    void pairsMoveTogether();
    void removeAndClear();
    void badNameIsRefused_data();
    void badNameIsRefused();
    void insertIntoSourceWindow();
    void insertIntoComposer();

private:
    TestEnv m_env;
};

void TestLinkedListDialog::initTestCase()
{
    registerWindows();
}

void TestLinkedListDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestLinkedListDialog::builder_data()
{
    QTest::addColumn<LinkedListValues>("values");
    QTest::addColumn<bool>("composer");
    QTest::addColumn<QString>("html");  // empty: refused
    const QString onchange = " onchange=\"location.href= (form.nav.options[form.nav."
                             "selectedIndex].value)\">\r\n";
    QTest::newRow("one pair")
        << LinkedListValues{"nav", "1", "", false, {{"First", "a.html"}}} << false
        << "<form><SELECT name=nav size=1" + onchange
               + "<OPTION value=\"a.html\">First</OPTION>\r\n</SELECT></form>";
    QTest::newRow("composer gets a body")
        << LinkedListValues{"nav", "", "", false, {}} << true
        << "<body><form><SELECT name=nav" + onchange + "</SELECT></form></body>";
    QTest::newRow("tab index and multiple, two pairs")
        << LinkedListValues{"nav", "", "3", true, {{"A", "a"}, {"", "b"}}} << false
        << "<form><SELECT name=nav tabindex=\"3\" MULTIPLE" + onchange
               + "<OPTION value=\"a\">A</OPTION>\r\n<OPTION value=\"b\"></OPTION>\r\n"
                 "</SELECT></form>";
    QTest::newRow("underscores and digits")
        << LinkedListValues{"_n2", "", "", false, {}} << false
        << "<form><SELECT name=_n2 onchange=\"location.href= (form._n2.options[form._n2."
           "selectedIndex].value)\">\r\n</SELECT></form>";
    QTest::newRow("blank in the name") << LinkedListValues{"my nav", "", "", false, {}} << false
                                       << "";
    QTest::newRow("leading digit") << LinkedListValues{"1nav", "", "", false, {}} << false << "";
    QTest::newRow("empty name") << LinkedListValues{} << true << "";
}

void TestLinkedListDialog::builder()
{
    QFETCH(LinkedListValues, values);
    QFETCH(bool, composer);
    QFETCH(QString, html);
    QCOMPARE(linkedListHtml(values, composer).value_or(QString()), html);
}

void TestLinkedListDialog::addressPromptAnswers_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<bool>("added");
    QTest::newRow("address") << std::optional<QString>("a.html") << true;
    QTest::newRow("empty") << std::optional<QString>("") << false;
    QTest::newRow("cancel") << std::optional<QString>() << false;
}

void TestLinkedListDialog::addressPromptAnswers()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(bool, added);
    auto *dialog = WindowDirectory::touch<LinkedListDialog>("ListURLs");
    dialog->txtPoints->setText("First");
    ScriptedPrompter prompts;
    prompts.expect(Input{addressPrompt, "Enter address/URL", answer});
    if (!added)
        prompts.expect(Message{"Valid URL was not entered", "Assistant: Quorl",
                               Prompter::Icon::Exclamation, Prompter::Buttons::Ok});
    QTest::keyClick(dialog->txtPoints, Qt::Key_Return);
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtPoints->text(), QString());
    QCOMPARE(listEntries(dialog->listPoints), added ? QStringList{"First"} : QStringList());
    QCOMPARE(listEntries(dialog->listURL), added ? QStringList{"a.html"} : QStringList());
}

void TestLinkedListDialog::pairsMoveTogether()
{
    auto *dialog = WindowDirectory::touch<LinkedListDialog>("ListURLs");
    addPairs(dialog, {{"A", "a"}, {"B", "b"}, {"C", "c"}});
    dialog->listPoints->setCurrentRow(2);
    dialog->btnUp->click();
    dialog->btnUp->click();
    dialog->btnUp->click();
    QCOMPARE(listEntries(dialog->listPoints), QStringList({"C", "A", "B"}));
    QCOMPARE(listEntries(dialog->listURL), QStringList({"c", "a", "b"}));
    dialog->btnDown->click();
    QCOMPARE(listEntries(dialog->listPoints), QStringList({"A", "C", "B"}));
    QCOMPARE(listEntries(dialog->listURL), QStringList({"a", "c", "b"}));
    QCOMPARE(dialog->listPoints->currentRow(), 1);
    QCOMPARE(dialog->listURL->currentRow(), 1);
}

void TestLinkedListDialog::removeAndClear()
{
    auto *dialog = WindowDirectory::touch<LinkedListDialog>("ListURLs");
    addPairs(dialog, {{"A", "a"}, {"B", "b"}});
    ScriptedPrompter prompts;
    prompts.expect(Message{"No point selected to remove. Please click on a point in the "
                           "options list", "Assistant: Quorl", Prompter::Icon::Exclamation,
                           Prompter::Buttons::Ok});
    dialog->btnRemove->click();
    QCOMPARE(listEntries(dialog->listURL), QStringList({"a", "b"}));
    dialog->listPoints->setCurrentRow(0);
    dialog->btnRemove->click();
    QCOMPARE(listEntries(dialog->listPoints), QStringList{"B"});
    QCOMPARE(listEntries(dialog->listURL), QStringList{"b"});

    for (const Prompter::Answer answer : {Prompter::Answer::No, Prompter::Answer::Yes})
        prompts.expect(Message{"Are you sure you wish to clear the list?", "Assistant: Quorl",
                               Prompter::Icon::Question, Prompter::Buttons::YesNo, answer,
                               Prompter::Answer::No});
    dialog->btnClear->click();
    QCOMPARE(dialog->listURL->count(), 1);
    dialog->btnClear->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->listPoints->count() + dialog->listURL->count(), 0);
}

void TestLinkedListDialog::badNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "my list";
}

void TestLinkedListDialog::badNameIsRefused()
{
    QFETCH(QString, name);
    Quorl()->show();
    Menus::find(Quorl(), "mnuListLinks")->trigger();
    auto *dialog = qobject_cast<LinkedListDialog *>(WindowDirectory::loaded("ListURLs"));
    dialog->txtName->setText(name);
    ScriptedPrompter prompts;
    prompts.expect(Message{"A valid name has not been entered", "Assistant: Quorl",
                           Prompter::Icon::Exclamation, Prompter::Buttons::Ok});
    dialog->btnInsert->click();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(dialog->isVisible());
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestLinkedListDialog::insertIntoSourceWindow()
{
    Quorl()->show();
    Menus::find(Quorl(), "mnuListLinks")->trigger();
    auto *dialog = qobject_cast<LinkedListDialog *>(WindowDirectory::loaded("ListURLs"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("List With Linked Points : Quorl"));
    addPairs(dialog, {{"First", "a.html"}});
    dialog->txtName->setText("nav");
    dialog->btnInsert->click();
    QCOMPARE(Quorl()->area->text(),
             QString("<form><SELECT name=nav onchange=\"location.href= (form.nav.options["
                     "form.nav.selectedIndex].value)\">\r\n<OPTION value=\"a.html\">First"
                     "</OPTION>\r\n</SELECT></form>"));
    QVERIFY(!WindowDirectory::isLoaded("ListURLs"));
}

void TestLinkedListDialog::insertIntoComposer()
{
    ComposerWindow *composer =
        ComposerPage::showAt("<html><body><p id=\"p\">one</p></body></html>", 3);
    QVERIFY(composer);
    Menus::find(composer, "mnuListLinks")->trigger();
    auto *dialog = qobject_cast<LinkedListDialog *>(WindowDirectory::loaded("ListURLs"));
    QVERIFY(dialog && dialog->isVisible());
    addPairs(dialog, {{"First", "a.html"}, {"Second", "b.html"}});
    dialog->txtName->setText("nav");
    dialog->btnInsert->click();
    QV_TRY_COMPARE(ComposerPage::value("(() => { const s = document.querySelector('form select');"
                                        " return s ? s.name + '|' + [...s.options].map("
                                        "o => o.value + '=' + o.text).join(',')"
                                        " + '|' + document.querySelectorAll('body').length"
                                        " : ''; })()"),
                    QString("nav|a.html=First,b.html=Second|1"));
}

QTEST_MAIN(TestLinkedListDialog)
#include "tst_linkedlistdialog.moc"
