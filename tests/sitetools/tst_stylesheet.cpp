#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "sitetools/stylesheetwindow.h"
#include "sitetools/stylesheetwizard.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString rules = "body { color: #000000; }\r\nh1 { font-size: 20px; }";

StyleSheetWizard *wizard()
{
    return qobject_cast<StyleSheetWizard *>(WindowDirectory::loaded("styleSheetWiz"));
}

StyleSheetWindow *stepOne()
{
    return qobject_cast<StyleSheetWindow *>(WindowDirectory::loaded("styleSheet"));
}

// Opens the tool from a main window and goes on to step 2 with the rules pasted.
StyleSheetWizard *openWizard(QWidget *mainWindow)
{
    Menus::find(mainWindow, "mnuStyleSheet")->trigger();
    if (!stepOne() || !stepOne()->isVisible() || !wizard() || wizard()->isVisible())
        return nullptr;
    stepOne()->btnNext->click();
    wizard()->txtCode->setPlainText(rules);
    return wizard();
}

} // namespace

class TestStyleSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void styleBlockText();
    void edit_data();
    void edit();
    void stepOneShowsTheCreatorPage();
    void nextAndBack();
    void eachMainWindowWritesItsTarget();
    void externalFile();
    void externalFileCancelled();
    void externalFileFailure();
    void withinDocumentNo();
    void withinSourceWithoutHead();
    void withinComposer();

private:
    TestEnv m_env;
};

void TestStyleSheet::initTestCase()
{
    registerWindows();
}

void TestStyleSheet::cleanup()
{
    TestEnv::unloadWindows();
}

void TestStyleSheet::styleBlockText()
{
    QCOMPARE(styleBlock("p { margin: 0; }"),
             QString("<!--Created using Quorl Vevevodi Style Sheet Creator-->\r\n<style><!--\r\n"
                     "p { margin: 0; }\r\n--></style>\r\n<!--End of Style Sheet-->"));
}

void TestStyleSheet::edit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("notice");
    QTest::newRow("before the end of head")
        << "<html><head></head><body>" << "<html><head>B</head><body>" << false;
    QTest::newRow("upper case") << "<HEAD><TITLE>t</TITLE></HEAD>"
                                << "<HEAD><TITLE>t</TITLE>B</HEAD>" << false;
    QTest::newRow("no head: at the start") << "<body>x</body>" << "B<body>x</body>" << true;
}

void TestStyleSheet::edit()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(bool, notice);
    const DocumentEdit edit = styleSheetEdit(text, "B");
    QVERIFY(!edit.refused);
    QCOMPARE(edit.text, result);
    QCOMPARE(edit.caret, result.indexOf('B') + 1);
    QCOMPARE(edit.message.has_value(), notice);
    if (notice) {
        QCOMPARE(edit.message->text, QString("End of head tag not found. Style Sheet has been "
                                             "added in the beginning of document"));
        QCOMPARE(edit.message->title, QString("Assistant: Quorl"));
        QCOMPARE(edit.message->icon, Prompter::Icon::Information);
    }
}

void TestStyleSheet::stepOneShowsTheCreatorPage()
{
    auto *first = WindowDirectory::touch<StyleSheetWindow>("styleSheet");
    QCOMPARE(first->windowTitle(), QString("Style Sheet Creator: Quorl"));
    QVERIFY(first->webber->BrowseMode());
    QVERIFY(TestEngine::waitUntil([first] {
        return first->webber->lastKnownHtml().contains("Style Sheet Creator");
    }));
    QVERIFY(TestEngine::settle(first->webber));
    // The page's own script builds a rule from its fields.
    QVERIFY(first->webber->evaluate("(document.getElementById('fColor').value = '#FF0000',"
                                    " document.querySelector('button').click(), true)"));
    QCOMPARE(first->webber->evaluate("document.getElementById('rules').value")
                 .value_or(QVariant()).toString(),
             QString("body\n{\n\tcolor: #FF0000;\n}\n"));

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Unable to launch file.", "Assistant: Quorl",
                                             Prompter::Icon::Critical});
    first->btnTintor->click();
    QV_VERIFY_PROMPTS(prompts);
}

void TestStyleSheet::nextAndBack()
{
    StyleSheetWizard *second = openWizard(Quorl());
    QVERIFY(second);
    QCOMPARE(second->windowTitle(),
             QString("Style Sheet Creator Wizard: [Step 2] - Quorl Vevevodi"));
    QVERIFY(second->isVisible() && !stepOne()->isVisible());
    QVERIFY(second->radExt->isChecked());
    second->CancelButton->click();
    QVERIFY(stepOne()->isVisible() && !second->isVisible());
    QCOMPARE(second->txtCode->toPlainText(), QString(rules).replace("\r\n", "\n"));

    // Closing step 2 ends the tool.
    stepOne()->btnNext->click();
    second->close();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("styleSheet"));
    QVERIFY(!WindowDirectory::isLoaded("styleSheetWiz"));
}

void TestStyleSheet::eachMainWindowWritesItsTarget()
{
    Menus::find(Quorl(), "mnuStyleSheet")->trigger();
    QCOMPARE(wizard()->compOrEdit, QString("edit"));
    Menus::find(Composr(), "mnuStyleSheet")->trigger();
    QCOMPARE(wizard()->compOrEdit, QString("comp"));
    QVERIFY(stepOne()->isVisible());
}

void TestStyleSheet::externalFile()
{
    StyleSheetWizard *second = openWizard(Quorl());
    const QString path = m_env.scratch("site.css");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::SaveFile{"", path});
    second->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(prompts.lastFileRequest().filter, QString("CSS Files (*.css)"));
    QCOMPARE(TestFiles::bytes(path), (rules + "\r\n").toUtf8());
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("styleSheet"));
    QVERIFY(!WindowDirectory::isLoaded("styleSheetWiz"));
}

void TestStyleSheet::externalFileCancelled()
{
    StyleSheetWizard *second = openWizard(Quorl());
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    second->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    TestEnv::flushDeletes();
    QCOMPARE(wizard(), second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->txtCode->toPlainText(), QString(rules).replace("\r\n", "\n"));
    QVERIFY(WindowDirectory::isLoaded("styleSheet"));
}

void TestStyleSheet::externalFileFailure()
{
    StyleSheetWizard *second = openWizard(Quorl());
    const QString blocker = m_env.scratch("plain-file");
    QVERIFY(TestFiles::write(blocker, "x"));
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::SaveFile{"", blocker + "/site.css"});
    prompts.expect(ScriptedPrompter::Message{"", "Assistant: Quorl", Prompter::Icon::Critical});
    second->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(prompts.shownMessages().last().startsWith("Unable to save the style sheet "
                                                      + blocker + "/site.css"));
    TestEnv::flushDeletes();
    QCOMPARE(wizard(), second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->txtCode->toPlainText(), QString(rules).replace("\r\n", "\n"));
}

void TestStyleSheet::withinDocumentNo()
{
    Quorl()->area->setText("<head></head>");
    StyleSheetWizard *second = openWizard(Quorl());
    second->radInt->setChecked(true);
    ScriptedPrompter prompts;
    for (int i = 0; i < 2; ++i) {
        prompts.expect(ScriptedPrompter::Message{"Paste code in current document?",
                                                 "Assistant: Quorl", Prompter::Icon::Question,
                                                 Prompter::Buttons::YesNo, Prompter::Answer::No});
        prompts.expect(ScriptedPrompter::Message{
            "The required changes have been made. The code is ready to be pasted in any document",
            "Assistant: Quorl", Prompter::Icon::Information});
    }
    second->OKButton->click();
    QCOMPARE(second->txtCode->toPlainText(), QString(styleBlock(rules)).replace("\r\n", "\n"));
    // Finishing again wraps the wrapped block once more.
    second->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(second->txtCode->toPlainText(),
             QString(styleBlock(styleBlock(rules))).replace("\r\n", "\n"));
    QCOMPARE(Quorl()->area->text(), QString("<head></head>"));
    QVERIFY(second->isVisible());
}

void TestStyleSheet::withinSourceWithoutHead()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<body>x</body>");
    StyleSheetWizard *second = openWizard(quorl);
    second->radInt->setChecked(true);
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Paste code in current document?",
                                             "Assistant: Quorl", Prompter::Icon::Question,
                                             Prompter::Buttons::YesNo, Prompter::Answer::Yes});
    prompts.expect(ScriptedPrompter::Message{"End of head tag not found. Style Sheet has been "
                                             "added in the beginning of document",
                                             "Assistant: Quorl", Prompter::Icon::Information});
    second->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(quorl->area->text(), styleBlock(rules) + "<body>x</body>");
    QVERIFY(quorl->isVisible());
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("styleSheetWiz"));
    QVERIFY(!WindowDirectory::isLoaded("styleSheet"));
}

void TestStyleSheet::withinComposer()
{
    HtmlEditView *page = showPageInComposer();
    QVERIFY(page);
    StyleSheetWizard *second = openWizard(Composr());
    QVERIFY(second);
    second->radInt->setChecked(true);
    QVERIFY(editParagraph(page));
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Paste code in current document?",
                                             "Assistant: Quorl", Prompter::Icon::Question,
                                             Prompter::Buttons::YesNo, Prompter::Answer::Yes});
    second->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);

    const auto state = [page] {
        return page->evaluate("[...document.head.querySelectorAll('style')].map(s =>"
                              " s.sheet.cssRules.length + ' ' + s.sheet.cssRules[1].cssText)"
                              " + '|' + document.getElementById('p').textContent")
            .value_or(QVariant()).toString();
    };
    QV_TRY_COMPARE(state(), QString("2 h1 { font-size: 20px; }|edited"));
    QVERIFY(Quorl()->area->text().contains("<title>t</title>" + styleBlock(rules) + "</head>"));
    QVERIFY(!Quorl()->isVisible());
}

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
