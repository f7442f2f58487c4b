// Spell checking with a small dictionary: which words are asked about, and
// what comes back for each answer.

#include "platform/spellchecker.h"
#include "platform/spelldialog.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTest>

namespace {

QString dictionary()
{
    return TestEnv::fixture(QStringLiteral("spell/small"));
}

// "change", "change:text", "changeall", "ignore", "ignoreall" or "cancel".
ScriptedPrompter::Dialog answer(const QString &script, QStringList *asked)
{
    const QString action = script.section(u':', 0, 0);
    const QString text = script.section(u':', 1);
    return {QStringLiteral("SpellDialog"), [=](QDialog *d) {
                auto *dialog = static_cast<SpellDialog *>(d);
                *asked << dialog->lblWord->text().section(u'>', 1).section(u'<', 0, 0);
                if (!text.isEmpty())
                    dialog->txtChangeTo->setText(text);
                using A = SpellDialog::Action;
                const A a = action == u"change"      ? A::Change
                            : action == u"changeall" ? A::ChangeAll
                            : action == u"ignore"    ? A::Ignore
                            : action == u"ignoreall" ? A::IgnoreAll
                                                     : A::Cancel;
                dialog->choose(a);
            },
            action != u"cancel"};
}

} // namespace

class TestSpellChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void words_data();
    void words();
    void check_data();
    void check();
    void contextIsTheWordsLine();
    void suggestsFromTheDictionary();
    void dictionaryInAnotherEncoding();
    void noDictionaryIsNotReady();

private:
    TestEnv m_env;
};

void TestSpellChecker::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");
    QTest::newRow("tags and entities") << "<p class=\"wrnog\">Hello &amp; wrld&#160;x</p>"
                                       << "Hello|wrld|x";
    QTest::newRow("script and style") << "<script>var wrnog = '</p>';</script>text"
                                         "<STYLE>p {colr: red}</STYLE>end"
                                      << "text|end";
    QTest::newRow("comment") << "<!-- a cmment <b> -->word" << "word";
    QTest::newRow("apostrophe, numbers") << "don't stop' 42 h1 'q" << "don't|stop|q";
    QTest::newRow("plain less-than") << "a < b &c d" << "a|b|c|d";
    QTest::newRow("non-ASCII") << "<i>Größe</i>\r\nçà" << "Größe|çà";
}

void TestSpellChecker::words()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QStringList found;
    for (const SpellChecker::Word &w : SpellChecker::words(text))
        found << text.mid(w.start, w.length);
    QCOMPARE(found.join(u'|'), words);
}

void TestSpellChecker::check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("asked");

    QTest::newRow("change to the first suggestion")
        << "<p>one wrnog word</p>\r\n<p>here</p>\r\n" << QStringList{"change"}
        << "<p>one wrong word</p>\r\n<p>here</p>\r\n" << QStringList{"wrnog"};
    QTest::newRow("change to typed text")
        << "a wrnog page" << QStringList{"change:right"} << "a right page"
        << QStringList{"wrnog"};
    QTest::newRow("change all asks once")
        << "wrnog and\r\nwrnog" << QStringList{"changeall"} << "wrong and\r\nwrong"
        << QStringList{"wrnog"};
    QTest::newRow("ignore asks again")
        << "wrnog and wrnog" << QStringList{"ignore", "ignore"} << "wrnog and wrnog"
        << QStringList{"wrnog", "wrnog"};
    QTest::newRow("ignore all asks once")
        << "wrnog and wrnog" << QStringList{"ignoreall"} << "wrnog and wrnog"
        << QStringList{"wrnog"};
    QTest::newRow("cancel keeps the earlier changes")
        << "wrnog teh wrnog" << QStringList{"change", "cancel"} << "wrong teh wrnog"
        << QStringList{"wrnog", "teh"};
    QTest::newRow("markup untouched")
        << "<TITLE>wrnog</TITLE><script>wrnog()</script>&nbsp;&wrnog;<a href=\"wrnog\">"
        << QStringList{"change"}
        << "<TITLE>wrong</TITLE><script>wrnog()</script>&nbsp;&wrnog;<a href=\"wrnog\">"
        << QStringList{"wrnog"};
    QTest::newRow("all known") << "<p>Hello world</p>" << QStringList{} << "<p>Hello world</p>"
                               << QStringList{};
}

void TestSpellChecker::check()
{
    QFETCH(QString, text);
    QFETCH(QStringList, answers);
    QFETCH(QString, result);
    QFETCH(QStringList, asked);

    ScriptedPrompter prompter;
    QStringList seen;
    for (const QString &a : answers)
        prompter.expect(answer(a, &seen));
    SpellChecker checker(dictionary());
    QVERIFY2(checker.isReady(), qPrintable(checker.reason()));
    QCOMPARE(checker.check(text), std::optional<QString>(result));
    QCOMPARE(seen, asked);
    QV_VERIFY_PROMPTS(prompter);
}

void TestSpellChecker::contextIsTheWordsLine()
{
    ScriptedPrompter prompter;
    QStringList contexts;
    const auto context = [&contexts](QDialog *d) {
        contexts << static_cast<SpellDialog *>(d)->txtContext->toPlainText();
        static_cast<SpellDialog *>(d)->choose(SpellDialog::Action::Ignore);
    };
    prompter.expect(ScriptedPrompter::Dialog{"SpellDialog", context})
        .expect(ScriptedPrompter::Dialog{"SpellDialog", context});
    const QString words = QString("a ").repeated(50);
    const QString longLine = words + "wrnog " + words;
    SpellChecker(dictionary()).check("<p>here</p>\r\n<p>one wrnog word</p>\r\nhere\r\n"
                                     + longLine);
    QCOMPARE(contexts, QStringList({"<p>one wrnog word</p>",
                                    words.right(60) + "wrnog" + (" " + words).left(60)}));
    QV_VERIFY_PROMPTS(prompter);
}

void TestSpellChecker::suggestsFromTheDictionary()
{
    SpellChecker checker(dictionary());
    QVERIFY(checker.knows("Hello"));
    QVERIFY(!checker.knows("wrnog"));
    QCOMPARE(checker.suggestions("wrnog").value(0), QString("wrong"));
}

void TestSpellChecker::dictionaryInAnotherEncoding()
{
    SpellChecker checker(TestEnv::fixture("spell/latin1"));
    QVERIFY(checker.knows(QString::fromUtf8("café")));
    QVERIFY(checker.knows(QString::fromUtf8("naïve")));
    QVERIFY(!checker.knows("cafe"));
    QCOMPARE(checker.suggestions("cafe").value(0), QString::fromUtf8("café"));
    // A word the dictionary cannot even spell is not questioned.
    QVERIFY(checker.knows(QString::fromUtf8("Ωμέγα")));
}

void TestSpellChecker::noDictionaryIsNotReady()
{
    ScriptedPrompter prompter;
    SpellChecker checker(m_env.scratch("none"));
    QVERIFY(!checker.isReady());
    QVERIFY(!checker.reason().isEmpty());
    QCOMPARE(checker.check("wrnog"), std::nullopt);
    QV_VERIFY_PROMPTS(prompter);
}

QTEST_MAIN(TestSpellChecker)
#include "tst_spellchecker.moc"
