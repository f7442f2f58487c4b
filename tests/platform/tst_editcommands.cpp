// The editing commands' DOM work on the real engine: a small page in design
// mode, a selection, one command id, and the document that results.

#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>

#include "platform/htmlfinddialog.h"
#include "platform/htmlfontdialog.h"
#include "support/files.h"
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

static void initResources()
{
    Q_INIT_RESOURCE(editcommands);
}

namespace {

class Harness
{
public:
    Harness()
    {
        initResources();
        for (const char *name : {":/qv/js/editcommands.js", ":/qv/js/inlineformat.js"}) {
            QFile file(name);
            file.open(QIODevice::ReadOnly);
            m_script += QString::fromUtf8(file.readAll());
        }
        m_view.resize(600, 400);
        m_view.settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        m_view.show();
    }

    bool load(const QString &body)
    {
        QSignalSpy loaded(m_view.page(), &QWebEnginePage::loadFinished);
        m_view.setHtml("<!DOCTYPE html><html><head><title>t</title></head><body>" + body
                       + "</body></html>");
        if (!loaded.wait(10000))
            return false;
        run("document.designMode = 'on';" + m_script);
        return true;
    }

    QVariant run(const QString &js)
    {
        QVariant result;
        bool done = false;
        m_view.page()->runJavaScript(js, QWebEngineScript::ApplicationWorld,
                                     [&](const QVariant &v) { result = v; done = true; });
        if (!TestEngine::waitUntil([&] { return done; }, 10000))
            qWarning("script did not answer: %s", qPrintable(js.left(80)));
        return result;
    }

    // Selects from the start of the element at anchor to the end of the one
    // at focus (the same element when focus is empty).
    void select(const QString &anchor, const QString &focus = QString())
    {
        run(QString("(() => { const a = document.querySelector('%1');"
                    " const f = document.querySelector('%2');"
                    " const r = document.createRange(); r.setStart(a, 0);"
                    " r.setEnd(f, f.childNodes.length);"
                    " const s = document.getSelection(); s.removeAllRanges();"
                    " s.addRange(r); })()")
                .arg(anchor, focus.isEmpty() ? anchor : focus));
    }

    QString body() { return run("document.body.innerHTML").toString(); }
    bool exec(int id) { return run(QString("qvEdit.exec(%1)").arg(id)).toBool(); }
    QWebEnginePage *page() { return m_view.page(); }

private:
    QWebEngineView m_view;
    QString m_script;
};

const QString k2x2 = "<table><tbody><tr><td id=\"a\">a</td><td id=\"b\">b</td></tr>"
                     "<tr><td id=\"c\">c</td><td id=\"d\">d</td></tr></tbody></table>";

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { delete h; }
    void tableCommands_data();
    void tableCommands();
    void engineCommands_data();
    void engineCommands();
    void layering_data();
    void layering();
    void undoCoversEveryChange();
    void undoTouchesOnlyTheStepsStretch();
    void undoPutsTheCaretWhereTheStepBegan();
    void stepCostsWhatItChanged_data();
    void stepCostsWhatItChanged();
    void insertHtmlKeepsTheMarkup();
    void insertedBlocksLeaveTheParagraph_data();
    void insertedBlocksLeaveTheParagraph();
    void fontChoiceWritesFontElements();
    void findDialog();
    void deleteWithoutASelection();
    void formattingMatchesTheEngine_data();
    void formattingMatchesTheEngine();
    void largeSelectionToggles();

private:
    QString formatted(const QString &fixture, const QString &call, bool engine);

    Harness *h = nullptr;
};

void TestEditCommands::initTestCase()
{
    h = new Harness;
}

void TestEditCommands::tableCommands_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("applies");
    QTest::addColumn<QString>("expected");
    const QString nb = "<td>&nbsp;</td>";
    QTest::newRow("insert row above")
        << k2x2 << "#c" << "" << 5021 << true
        << "<table><tbody><tr><td id=\"a\">a</td><td id=\"b\">b</td></tr><tr>" + nb + nb
               + "</tr><tr><td id=\"c\">c</td><td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("insert row through a rowspan")
        << "<table><tbody><tr><td id=\"a\" rowspan=\"2\">a</td><td>b</td></tr>"
           "<tr><td id=\"d\">d</td></tr></tbody></table>"
        << "#d" << "" << 5021 << true
        << "<table><tbody><tr><td id=\"a\" rowspan=\"3\">a</td><td>b</td></tr><tr>" + nb
               + "</tr><tr><td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("insert column left")
        << k2x2 << "#b" << "" << 5020 << true
        << "<table><tbody><tr><td id=\"a\">a</td>" + nb + "<td id=\"b\">b</td></tr><tr>"
               "<td id=\"c\">c</td>" + nb + "<td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("insert column through a colspan")
        << "<table><tbody><tr><td id=\"a\" colspan=\"2\">a</td></tr>"
           "<tr><td>c</td><td id=\"d\">d</td></tr></tbody></table>"
        << "#d" << "" << 5020 << true
        << "<table><tbody><tr><td id=\"a\" colspan=\"3\">a</td></tr><tr><td>c</td>" + nb
               + "<td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("insert cell")
        << k2x2 << "#d" << "" << 5019 << true
        << "<table><tbody><tr><td id=\"a\">a</td><td id=\"b\">b</td></tr><tr>"
               "<td id=\"c\">c</td>" + nb + "<td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("delete row")
        << k2x2 << "#a" << "" << 5007 << true
        << "<table><tbody><tr><td id=\"c\">c</td><td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("delete a row that starts a rowspan")
        << "<table><tbody><tr><td id=\"a\" rowspan=\"2\">a</td><td id=\"b\">b</td></tr>"
           "<tr><td id=\"d\">d</td></tr></tbody></table>"
        << "#b" << "" << 5007 << true
        << "<table><tbody><tr><td id=\"a\">a</td><td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("delete the last rows removes the table")
        << "<p>x</p>" + k2x2 << "#a" << "#d" << 5007 << true << "<p>x</p>";
    QTest::newRow("delete column")
        << k2x2 << "#b" << "" << 5006 << true
        << "<table><tbody><tr><td id=\"a\">a</td></tr><tr><td id=\"c\">c</td></tr>"
           "</tbody></table>";
    QTest::newRow("delete column narrows a colspan")
        << "<table><tbody><tr><td id=\"a\" colspan=\"2\">a</td></tr>"
           "<tr><td>c</td><td id=\"d\">d</td></tr></tbody></table>"
        << "#d" << "" << 5006 << true
        << "<table><tbody><tr><td id=\"a\">a</td></tr><tr><td>c</td></tr>"
           "</tbody></table>";
    QTest::newRow("delete cells")
        << k2x2 << "#c" << "#d" << 5005 << true
        << "<table><tbody><tr><td id=\"a\">a</td><td id=\"b\">b</td></tr></tbody></table>";
    QTest::newRow("merge a row")
        << k2x2 << "#a" << "#b" << 5029 << true
        << "<table><tbody><tr><td id=\"a\" colspan=\"2\">a b</td></tr><tr><td id=\"c\">c"
           "</td><td id=\"d\">d</td></tr></tbody></table>";
    QTest::newRow("merge a block")
        << k2x2 << "#a" << "#d" << 5029 << true
        << "<table><tbody><tr><td id=\"a\" rowspan=\"2\" colspan=\"2\">a b c d</td></tr>"
           "<tr></tr></tbody></table>";
    QTest::newRow("merge refuses a cell reaching out")
        << "<table><tbody><tr><td id=\"a\">a</td><td id=\"b\" rowspan=\"2\">b</td></tr>"
           "<tr><td id=\"c\">c</td></tr></tbody></table>"
        << "#a" << "#a" << 5029 << false
        << "<table><tbody><tr><td id=\"a\">a</td><td id=\"b\" rowspan=\"2\">b</td></tr>"
           "<tr><td id=\"c\">c</td></tr></tbody></table>";
    QTest::newRow("split a merged cell")
        << "<table><tbody><tr><td id=\"a\" colspan=\"2\">a</td></tr>"
           "<tr><td>c</td><td>d</td></tr></tbody></table>"
        << "#a" << "" << 5047 << true
        << "<table><tbody><tr><td id=\"a\">a</td>" + nb + "</tr><tr><td>c</td><td>d</td>"
               "</tr></tbody></table>";
    QTest::newRow("split a single cell")
        << k2x2 << "#a" << "" << 5047 << true
        << "<table><tbody><tr><td id=\"a\">a</td>" + nb + "<td id=\"b\">b</td></tr><tr>"
               "<td id=\"c\" colspan=\"2\">c</td><td id=\"d\">d</td></tr></tbody></table>";
    for (int id : {5021, 5020, 5019, 5007, 5006, 5005, 5029, 5047})
        QTest::addRow("%d outside a table does nothing", id)
            << "<p id=\"p\">text</p>" + k2x2 << "#p" << "" << id << false
            << "<p id=\"p\">text</p>" + k2x2;
}

void TestEditCommands::tableCommands()
{
    QFETCH(QString, fixture);
    QFETCH(QString, anchor);
    QFETCH(QString, focus);
    QFETCH(int, id);
    QFETCH(bool, applies);
    QFETCH(QString, expected);
    QVERIFY(h->load(fixture));
    h->select(anchor, focus);
    QCOMPARE(h->exec(id), applies);
    QCOMPARE(h->body(), expected);
}

void TestEditCommands::engineCommands_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bold") << "<p id=\"p\">word</p>" << 5000 << "<p id=\"p\"><b>word</b></p>";
    QTest::newRow("italic") << "<p id=\"p\">word</p>" << 5023 << "<p id=\"p\"><i>word</i></p>";
    QTest::newRow("underline") << "<p id=\"p\">w</p>" << 5048 << "<p id=\"p\"><u>w</u></p>";
    QTest::newRow("bullets") << "<p id=\"p\">w</p>" << 5051 << "<ul><li>w</li></ul>";
    QTest::newRow("numbering") << "<p id=\"p\">w</p>" << 5030 << "<ol><li>w</li></ol>";
    QTest::newRow("centre") << "<p id=\"p\">w</p>" << 5024
                            << "<p id=\"p\" style=\"text-align: center;\">w</p>";
    QTest::newRow("remove formatting") << "<p id=\"p\"><b>bo</b><i>it</i></p>" << 5034
                                       << "<p id=\"p\">boit</p>";
    QTest::newRow("unlink") << "<p id=\"p\"><a href=\"x.html\">link</a></p>" << 5050
                            << "<p id=\"p\">link</p>";
}

void TestEditCommands::engineCommands()
{
    QFETCH(QString, fixture);
    QFETCH(int, id);
    QFETCH(QString, expected);
    QVERIFY(h->load(fixture));
    h->select("#p");
    QVERIFY(h->exec(id));
    QCOMPARE(h->body(), expected);
}

void TestEditCommands::layering_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("z");
    // a: 2, b: 3 above the text; c: -1 below it.
    QTest::newRow("front") << "#a" << 5041 << "4";
    QTest::newRow("front when in front already") << "#b" << 5041 << "3";
    QTest::newRow("back of its layer") << "#b" << 5040 << "1";
    QTest::newRow("forward") << "#a" << 5037 << "3";
    QTest::newRow("backward") << "#a" << 5036 << "1";
    QTest::newRow("above text") << "#c" << 5039 << "4";
    QTest::newRow("above text when above") << "#a" << 5039 << "2";
    QTest::newRow("below text") << "#a" << 5038 << "-2";
}

void TestEditCommands::layering()
{
    QFETCH(QString, element);
    QFETCH(int, id);
    QFETCH(QString, z);
    QVERIFY(h->load("<div id=\"a\" style=\"position: absolute; z-index: 2;\">a</div>"
                    "<div id=\"b\" style=\"position: absolute; z-index: 3;\">b</div>"
                    "<div id=\"c\" style=\"position: absolute; z-index: -1;\">c</div>"
                    "<p id=\"p\">text</p>"));
    h->select(element);
    QVERIFY(h->exec(id));
    QCOMPARE(h->run("document.querySelector('" + element + "').style.zIndex").toString(), z);
    // Without a positioned element nothing happens.
    QVERIFY(h->load("<p id=\"p\">text</p>"));
    h->select("#p");
    QVERIFY(!h->exec(id));
    QCOMPARE(h->body(), QString("<p id=\"p\">text</p>"));
}

void TestEditCommands::undoCoversEveryChange()
{
    QVERIFY(h->load(k2x2));
    const QString original = h->body();
    h->select("#a");
    QVERIFY(h->exec(5021));            // our own DOM operation
    const QString afterRow = h->body();
    h->run("qvEdit.insertHtml('<b>x</b>')");  // an insertion
    const QString afterInsert = h->body();
    // A change made outside any command (as the user's typing would be).
    h->run("document.querySelector('#d').textContent = 'typed';");
    QTRY_VERIFY(h->run("qvEdit.canUndo()").toBool());
    const QString afterTyping = h->body();

    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), afterInsert);
    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), afterRow);
    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), original);
    QVERIFY(!h->exec(5049));           // nothing left to undo
    QVERIFY(h->exec(5033));
    QCOMPARE(h->body(), afterRow);
    QVERIFY(h->exec(5033));
    QVERIFY(h->exec(5033));
    QCOMPARE(h->body(), afterTyping);
    QVERIFY(!h->exec(5033));
    // A new change after an undo drops what could be redone.
    QVERIFY(h->exec(5049));
    h->select("#a");
    QVERIFY(h->exec(5000));
    QVERIFY(!h->exec(5033));
}

void TestEditCommands::undoTouchesOnlyTheStepsStretch()
{
    // A list inside a paragraph, as an insertion can leave it: no parser
    // reads that back as written, so a step must never go through markup.
    QVERIFY(h->load("<p id=\"a\">one</p><p id=\"b\">two</p><p id=\"c\">three</p>"));
    QVERIFY(h->run("qvEdit.around(() => { document.querySelector('#a')"
                   ".appendChild(document.createElement('ul')).textContent = 'list'; })"
                   "; true").toBool());
    const QString nested = h->body();
    QVERIFY(nested.contains("<p id=\"a\">one<ul>list</ul></p>"));
    // Marks on the nodes outside the next step tell whether undo and redo
    // rebuilt them.
    h->run("document.querySelectorAll('p, ul').forEach((e) => { e.mark = true; })");
    h->run("qvEdit.around(() => { document.querySelector('#b').firstChild.data = 'changed'; })");
    const QString changed = h->body();
    const QString untouched = "['#a', '#c', 'ul'].every((s) => document.querySelector(s).mark)";
    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), nested);
    QCOMPARE(h->run(untouched), QVariant(true));
    QVERIFY(h->exec(5033));
    QCOMPARE(h->body(), changed);
    QCOMPARE(h->run(untouched), QVariant(true));
    QVERIFY(h->exec(5049));
    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), "<p id=\"a\">one</p><p id=\"b\">two</p><p id=\"c\">three</p>");
}

void TestEditCommands::undoPutsTheCaretWhereTheStepBegan()
{
    QVERIFY(h->load("<p id=\"a\">one</p><p id=\"b\">two</p>"));
    auto caretTo = [this](const char *id) {
        h->run(QString("(() => { const t = document.querySelector('#%1').firstChild;"
                       " getSelection().collapse(t, t.length); })()").arg(id));
        QTest::qWait(50);  // the engine tells of the move in a task of its own
    };
    auto type = [this](const char *text) {
        h->run(QString("document.execCommand('insertText', false, '%1');"
                       " qvEdit.boundary()").arg(text));
    };
    const QString where = "(() => { const s = getSelection();"
                          " return s.anchorNode.parentNode.id + s.anchorOffset; })()";
    caretTo("a");
    type("X");
    // The user clicks into another paragraph and types there.
    caretTo("b");
    type("Y");
    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), QString("<p id=\"a\">oneX</p><p id=\"b\">two</p>"));
    QCOMPARE(h->run(where).toString(), QString("b3"));
    QVERIFY(h->exec(5049));
    QCOMPARE(h->run(where).toString(), QString("a3"));
    QVERIFY(h->exec(5033));
    QCOMPARE(h->run(where).toString(), QString("a4"));
}

void TestEditCommands::stepCostsWhatItChanged_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("isStep");
    const QString mid = "const d = document.getElementById('m');";
    QTest::newRow("typed text") << mid + "d.firstChild.firstChild.data += 'x';" << true;
    QTest::newRow("new block") << mid + "d.after(document.createElement('div'));" << true;
    QTest::newRow("removed block") << mid + "d.remove();" << true;
    QTest::newRow("attribute") << mid + "d.setAttribute('align', 'center');" << true;
    QTest::newRow("moved in the block")
        << mid + "d.appendChild(d.firstChild); d.prepend(document.createTextNode('a'));"
        << true;
    QTest::newRow("block taken out and changed")
        << mid + "d.remove(); d.firstChild.remove(); document.body.append(d);" << true;
    QTest::newRow("typed and taken back")
        << mid + "const t = d.firstChild.firstChild; t.data += 'x';"
                 " t.data = t.data.slice(0, -1);"
        << false;
}

void TestEditCommands::stepCostsWhatItChanged()
{
    QFETCH(QString, edit);
    QFETCH(bool, isStep);
    QString lines;
    for (int i = 0; i < 3000; ++i)
        lines += QString("<div%1><span>line %2</span></div>\n")
                     .arg(i == 1500 ? " id=\"m\"" : "").arg(i);
    QVERIFY(h->load(lines));
    const QString before = h->body();
    const int compared = h->run("qvEdit.compared").toInt();
    // In one script and then the step's end in another, as typing reaches
    // the history: the page reports the changes between the two.
    h->run("(() => {" + edit + "})()");
    const QString after = h->body();
    h->run("qvEdit.boundary()");
    QVERIFY2(h->run("qvEdit.compared").toInt() - compared < 50,
             "the step compared the whole page");
    QCOMPARE(h->exec(5049), isStep);
    QCOMPARE(h->body(), before);
    if (!isStep)
        return;
    QVERIFY(h->exec(5033));
    QCOMPARE(h->body(), after);
}

void TestEditCommands::insertHtmlKeepsTheMarkup()
{
    QVERIFY(h->load("<p id=\"p\">ab</p>"));
    h->run("(() => { const t = document.querySelector('#p').firstChild;"
           " const r = document.createRange(); r.setStart(t, 1); r.setEnd(t, 1);"
           " getSelection().removeAllRanges(); getSelection().addRange(r); })()");
    const QString markup = "<!-- note --><span onclick=\"go()\" style=\"color: red\">x</span>"
                           "<script>var a = 1;</script>";
    QVERIFY(h->run("qvEdit.insertHtml(" + QString(markup).replace("\"", "\\\"")
                       .prepend('"').append('"') + ")").toBool());
    QCOMPARE(h->body(), "<p id=\"p\">a" + markup + "b</p>");
}

void TestEditCommands::insertedBlocksLeaveTheParagraph_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("from");  // "selector offset" in the element's first text
    QTest::addColumn<QString>("to");    // the same; empty: a caret
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("expected");
    const QString ab = "<p id=\"p\">alphabeta</p>";
    const QString h = "<h1>HEAD</h1>";
    QTest::newRow("heading at the end") << "<p id=\"p\">alpha</p>" << "#p 5" << "" << h
                                        << "<p id=\"p\">alpha</p>" + h;
    QTest::newRow("heading in the middle")
        << ab << "#p 5" << "" << h << "<p id=\"p\">alpha</p>" + h + "<p>beta</p>";
    QTest::newRow("heading at the start") << ab << "#p 0" << "" << h << h + ab;
    QTest::newRow("rule inside bold")
        << "<p id=\"p\">al<b id=\"b\">phabe</b>ta</p>" << "#b 3" << "" << "<hr>"
        << "<p id=\"p\">al<b id=\"b\">pha</b></p><hr><p><b>be</b>ta</p>";
    QTest::newRow("table with text around it")
        << ab << "#p 5" << "" << "x<table><tbody><tr><td>1</td></tr></tbody></table>y"
        << "<p id=\"p\">alphax</p><table><tbody><tr><td>1</td></tr></tbody></table>"
           "<p>ybeta</p>";
    QTest::newRow("list") << ab << "#p 5" << "" << "<ul><li>i</li></ul>"
                          << "<p id=\"p\">alpha</p><ul><li>i</li></ul><p>beta</p>";
    QTest::newRow("form") << ab << "#p 5" << "" << "<form><input></form>"
                          << "<p id=\"p\">alpha</p><form><input></form><p>beta</p>";
    QTest::newRow("heading in a heading")
        << "<h2 id=\"p\">Title</h2>" << "#p 2" << "" << h
        << "<h2 id=\"p\">Ti</h2>" + h + "<h2>tle</h2>";
    QTest::newRow("selection over two paragraphs")
        << "<p id=\"p\">alpha</p><p id=\"q\">beta</p>" << "#p 2" << "#q 2" << h
        << "<p id=\"p\">al</p>" + h + "<p id=\"q\">ta</p>";
    QTest::newRow("a link over two paragraphs")
        << "<p id=\"p\">alpha</p><p id=\"q\">beta</p>" << "#p 2" << "#q 2"
        << "<a href=\"x\"><p>pha</p><p>be</p></a>"
        << "<p id=\"p\">al</p><a href=\"x\"><p>pha</p><p>be</p></a><p id=\"q\">ta</p>";
    QTest::newRow("both paragraphs whole")
        << "<p id=\"p\">alpha</p><p id=\"q\">beta</p>" << "#p 0" << "#q 4" << h << h;
    QTest::newRow("link in a link")
        << "<p id=\"p\"><a id=\"a\" href=\"o.html\">alphabeta</a></p>" << "#a 5" << ""
        << "<a href=\"n.html\">new</a>"
        << "<p id=\"p\"><a id=\"a\" href=\"o.html\">alpha</a><a href=\"n.html\">new</a>"
           "<a href=\"o.html\">beta</a></p>";
    QTest::newRow("a wrap from the start of a bold")
        << "<p id=\"p\">al<b>pha</b><u>beta</u>gamma</p>" << "b 0" << "u 4"
        << "<a href=\"x\"><b>pha</b><u>beta</u></a>"
        << "<p id=\"p\">al<a href=\"x\"><b>pha</b><u>beta</u></a>gamma</p>";
    QTest::newRow("a wrap of a whole bold stays in it")
        << "<p id=\"p\">al<b>pha</b>gamma</p>" << "b 0" << "b 3" << "<i>pha</i>"
        << "<p id=\"p\">al<b><i>pha</i></b>gamma</p>";
    QTest::newRow("inline markup stays") << ab << "#p 5" << "" << "<b>x</b>"
                                         << "<p id=\"p\">alpha<b>x</b>beta</p>";
    QTest::newRow("a block in a division stays")
        << "<div id=\"p\">alphabeta</div>" << "#p 5" << "" << h
        << "<div id=\"p\">alpha" + h + "beta</div>";
}

void TestEditCommands::insertedBlocksLeaveTheParagraph()
{
    QFETCH(QString, fixture);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, markup);
    QFETCH(QString, expected);
    QVERIFY(h->load(fixture));
    const auto point = [](const QString &where) {
        const QStringList p = where.split(' ');
        return QString("document.createTreeWalker(document.querySelector('%1'),"
                       " NodeFilter.SHOW_TEXT).nextNode(), %2").arg(p[0], p[1]);
    };
    h->run(QString("(() => { const r = document.createRange(); r.setStart(%1); r.setEnd(%2);"
                   " getSelection().removeAllRanges(); getSelection().addRange(r); })()")
               .arg(point(from), point(to.isEmpty() ? from : to)));
    QVERIFY(h->run("qvEdit.insertHtml(" + QString(markup).replace("\"", "\\\"")
                       .prepend('"').append('"') + ")").toBool());
    QCOMPARE(h->body(), expected);
    // The page as saved reads back as the same page.
    QCOMPARE(h->run("new DOMParser().parseFromString('<!DOCTYPE html><body>'"
                    " + document.body.innerHTML, 'text/html').body.innerHTML").toString(),
             expected);
}

void TestEditCommands::fontChoiceWritesFontElements()
{
    QVERIFY(h->load("<p id=\"p\">one</p><p id=\"q\">two</p>"));
    h->select("#p", "#q");
    HtmlFontDialog::Choice choice;
    choice.face = "Arial";
    choice.size = 5;
    choice.color = QColor(255, 0, 0);
    choice.bold = true;
    h->run(HtmlFontDialog::script(choice));
    // Each paragraph gets its own, well nested markup.
    const QString body = h->body();
    QCOMPARE(body.count("<font "), 2);
    QVERIFY2(body.contains("face=\"Arial\""), qPrintable(body));
    QVERIFY2(body.contains("size=\"5\""), qPrintable(body));
    QVERIFY2(body.contains("color=\"#ff0000\""), qPrintable(body));
    QCOMPARE(body.count("<b>"), 2);
    QVERIFY(body.startsWith("<p id=\"p\">"));
}

void TestEditCommands::findDialog()
{
    QVERIFY(h->load("<p>alpha Beta gamma</p>"));
    HtmlFindDialog dialog(h->page());
    QSignalSpy searched(&dialog, &HtmlFindDialog::searched);
    dialog.txtFind->setText("beta");
    dialog.findNext();
    QVERIFY(searched.wait(5000));
    QCOMPARE(searched.takeFirst().at(0).toBool(), true);
    QCOMPARE(h->run("getSelection().toString()").toString(), QString("Beta"));
    dialog.txtFind->setText("delta");
    dialog.findNext();
    QVERIFY(searched.wait(5000));
    QCOMPARE(searched.takeFirst().at(0).toBool(), false);
}

void TestEditCommands::deleteWithoutASelection()
{
    QVERIFY(h->load("<p id=\"p\">abc</p>"));
    h->run("(() => { const r = document.createRange();"
           " r.setStart(document.querySelector('#p').firstChild, 1); r.collapse(true);"
           " getSelection().removeAllRanges(); getSelection().addRange(r); })()");
    QVERIFY(h->exec(5004));
    QCOMPARE(h->body(), QString("<p id=\"p\">ac</p>"));
}

// Selects between the markers [ and ] in the text of the page (and takes the
// markers out).
static const char *kSelectMarkers =
    "(() => { const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);"
    " const r = document.createRange();"
    " for (let n = w.nextNode(); n; n = w.nextNode()) {"
    "  let i = n.data.indexOf('[');"
    "  if (i >= 0) { n.deleteData(i, 1); r.setStart(n, i); }"
    "  i = n.data.indexOf(']');"
    "  if (i >= 0) { n.deleteData(i, 1); r.setEnd(n, i); } }"
    " getSelection().removeAllRanges(); getSelection().addRange(r); })()";

QString TestEditCommands::formatted(const QString &fixture, const QString &call, bool engine)
{
    if (!h->load(fixture))
        return "<not loaded>";
    h->run(kSelectMarkers);
    h->run(QString("qvFormat.engineLimit = %1; %2").arg(engine ? "1e9" : "-1", call));
    return h->body();
}

void TestEditCommands::formattingMatchesTheEngine_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("call");
    const auto row = [](const char *name, const char *fixture, const char *call) {
        QTest::newRow(name) << QString(fixture) << QString(call);
    };
    const char *bold = "qvFormat.apply('bold')";
    row("inside one text", "<p>a[bc]d</p>", bold);
    row("over a bold word", "<p>[a<b>b</b>c]</p>", bold);
    row("two paragraphs", "<p>[abc</p><p>def]</p>", bold);
    row("all bold: off", "<p><b>[abc]</b></p>", bold);
    row("part of a bold word: off", "<p><b>a[b]c</b></p>", bold);
    row("strong: off", "<p><strong>a[b]c</strong></p>", bold);
    row("bold heading: a span", "<h1>a[b]c</h1>", bold);
    row("heading left alone", "<h1>[a</h1><p>b]</p>", bold);
    row("styled span: off", "<p><span style=\"font-weight: bold\">a[b]c</span></p>", bold);
    row("joins a bold neighbour", "<p><b>a</b>[bc]</p>", bold);
    row("link kept inside", "<p><a href=\"x\">[ab]</a></p>", bold);
    row("starts at the end of a bold word", "<p><b>ab[</b><b>cd]</b></p>", bold);
    row("ends at the start of the next text", "<p>a<i>[bc</i>]de</p>", bold);
    row("starts at the start of elements", "<p><u><em>[ab</em></u>cd]</p>",
        "qvFormat.apply('fontName', 'Arial')");
    row("blocks entered", "<div>[a<p>b</p>c]</div>", bold);
    row("table and list",
        "<table><tbody><tr><td>[a</td><td>b</td></tr></tbody></table><ul><li>c</li>"
        "<li>d]</li></ul>", bold);
    row("blanks between blocks", "<p>[a <b>b</b> </p>\n<p>c]</p>\n", bold);
    row("comments and objects", "<p>a<!-- c -->[b<img src=\"a.png\"><!-- d -->c]</p>", bold);
    row("italic off over em", "<p><em>[ab]</em></p>", "qvFormat.apply('italic')");
    row("underline follows the start", "<p><u>[a</u>b]</p>", "qvFormat.apply('underline')");
    row("strike", "<p>x[a<b>b</b>c</p><p>d<i>e</i>f]y</p>",
        "qvFormat.apply('strikeThrough')");
    row("sub replaces sup", "<p>a<sup>[bc]</sup>d</p>", "qvFormat.apply('subscript')");
    row("superscript", "<p>[ab<sup>c</sup>]</p>", "qvFormat.apply('superscript')");
    row("font face over fonts", "<p>[a<font face=\"Times\" color=\"#00ff00\">b</font>c]</p>",
        "qvFormat.apply('fontName', 'Arial')");
    row("font face splits a font", "<p><font face=\"Times\">a[b]c</font></p>",
        "qvFormat.apply('fontName', 'Arial')");
    row("default size left alone", "<p>x[a<b>b</b>c</p><p>d<i>e</i>f]y</p>",
        "qvFormat.apply('fontSize', '3')");
    row("size", "<p><font size=\"5\">[ab]</font></p>", "qvFormat.apply('fontSize', '2')");
    row("colour into its font", "<p><font color=\"#ff0000\" face=\"Arial\">[abc]</font></p>",
        "qvFormat.apply('foreColor', '#00FF00')");
    row("remove formatting", "<p>[a<span style=\"color: red\">b</span><font color=\"red\">"
        "c</font><a href=\"x\"><b>d</b></a>]</p>", "qvFormat.apply('removeFormat')");
    row("remove formatting in a word", "<p><b>a[b]c</b></p>", "qvFormat.apply('removeFormat')");
    row("font dialog's bold when some is bold", "<p>[a<b>b</b>c]</p>",
        "qvFormat.state('bold') || qvFormat.apply('bold')");
}

// Formatting done here writes what the engine writes for the same selection.
void TestEditCommands::formattingMatchesTheEngine()
{
    QFETCH(QString, fixture);
    QFETCH(QString, call);
    const QString engine = formatted(fixture, call, true);
    QCOMPARE(formatted(fixture, call, false), engine);
}

void TestEditCommands::largeSelectionToggles()
{
    // More text nodes than the engine is left to format.
    QString page;
    for (int i = 0; i < 300; ++i)
        page += QString("<p>Row <a href=\"p%1.html\">%1</a> with <b>bold</b> words.</p>\n").arg(i);
    QVERIFY(h->load(page));
    const QString original = h->body();
    h->run("document.execCommand('selectAll')");
    QVERIFY(h->exec(5000));
    const QString bold = h->body();
    QCOMPARE(bold.count("<b>"), 300);
    QVERIFY(bold.contains("<p><b>Row <a href=\"p7.html\">7</a> with bold words.</b></p>"));
    // The selection still holds the page: the same command clears it all.
    QVERIFY(h->exec(5000));
    QCOMPARE(h->body().count("<b>"), 0);
    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), bold);
    QVERIFY(h->exec(5049));
    QCOMPARE(h->body(), original);
    // The engine writes the same for the same selection.
    h->run("document.execCommand('selectAll')");
    h->run("qvFormat.engineLimit = 1e9; qvFormat.apply('bold')");
    QCOMPARE(h->body(), bold);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
