#include "editor/findwindow.h"
#include "editor/tagsearch.h"
#include "editor/tagtoggles.h"
#include "editor/texttransforms.h"

#include <QTest>

Q_DECLARE_METATYPE(SourceText)

namespace {

// Writes a text with its selection as "ab[cd]e", or "ab|cde" for a caret.
QString show(const SourceText &t)
{
    QString s = t.text;
    if (t.selLength > 0)
        return s.insert(t.selStart + t.selLength, u']').insert(t.selStart, u'[');
    return s.insert(t.selStart, u'|');
}

// Reads the notation of show().
SourceText parse(const QString &marked)
{
    SourceText t;
    t.text = marked;
    const qsizetype caret = marked.indexOf(u'|');
    if (caret >= 0) {
        t.text.remove(caret, 1);
        t.selStart = caret;
        return t;
    }
    t.selStart = marked.indexOf(u'[');
    t.text.remove(t.selStart, 1);
    const qsizetype end = t.text.indexOf(u']');
    t.text.remove(end, 1);
    t.selLength = end - t.selStart;
    return t;
}

SourceText (*transformNamed(const QString &name))(const SourceText &)
{
    static const QHash<QString, SourceText (*)(const SourceText &)> map = {
        {"lower", TextTransforms::lowerCase}, {"upper", TextTransforms::upperCase},
        {"title", TextTransforms::titleCase}, {"inverted", TextTransforms::invertedCase},
        {"tabify", TextTransforms::tabify},   {"untabify", TextTransforms::untabify},
        {"indent", TagToggles::indent},       {"outdent", TagToggles::outdent},
        {"paragraph", TagToggles::paragraph}, {"smart", TagSearch::smartSelect},
        {"bold", [](const SourceText &in) { return TagToggles::toggle(in, "<B>", "</B>"); }},
        {"comment",
         [](const SourceText &in) { return TagToggles::toggle(in, "<!--", "-->"); }},
    };
    return map.value(name);
}

} // namespace

class TestTextTransforms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transforms_data();
    void transforms();
    void togglesRoundTrip_data();
    void togglesRoundTrip();
    void indentOutdentRoundTrip();
    void autoDeleteTag_data();
    void autoDeleteTag();
    void search_data();
    void search();
};

void TestTextTransforms::transforms_data()
{
    QTest::addColumn<QString>("transform");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("title, blanks") << "title" << "[hello   big world]" << "Hello   Big World|";
    QTest::newRow("title, line break") << "title" << "[one two\r\nthree]"
                                       << "One Two\r\nthree|";
    QTest::newRow("title lowers first") << "title" << "x[HELLO]y" << "xHello|y";
    QTest::newRow("title, non-ASCII") << "title" << "[ÉLAN über]" << "Élan über|";
    QTest::newRow("inverted") << "inverted" << "[aBc[x]" << "AbC[X|";
    QTest::newRow("inverted, non-ASCII") << "inverted" << "[aÉb]" << "AÉB|";
    QTest::newRow("lower, non-ASCII") << "lower" << "[ÀB]c" << "àb|c";
    QTest::newRow("upper grows") << "upper" << "[straße]!" << "STRASSE|!";
    QTest::newRow("case, no selection") << "upper" << "ab|c" << "ab|c";
    QTest::newRow("tabify lines") << "tabify" << "x\r\n[a\r\nb\r\nc]"
                                  << "x\r\n[\ta\r\n\tb\r\n\tc]";
    QTest::newRow("tabify mid-line") << "tabify" << "ab[cd]" << "ab[\tcd]";
    QTest::newRow("tabify, no selection") << "tabify" << "ab|c" << "ab[\t]c";
    QTest::newRow("untabify all tabs") << "untabify" << "[\ta\r\n\tb\tx\r\n\tc]\t"
                                       << "[a\r\nbx\r\nc]\t";
    QTest::newRow("untabify, only tabs") << "untabify" << "a[\t\t]b" << "a|b";

    QTest::newRow("bold wraps") << "bold" << "x[abc]y" << "x[<B>abc</B>]y";
    QTest::newRow("bold unwraps") << "bold" << "x[<B>abc</B>]y" << "x[abc]y";
    QTest::newRow("lower-case start tag") << "bold" << "[<b>abc</B>]" << "[abc]";
    QTest::newRow("tag with attributes wraps") << "bold" << "[<B id=1>a</B>]"
                                               << "[<B><B id=1>a</B></B>]";
    QTest::newRow("nested: first end tag") << "bold" << "[<b>x<b>y</b>z</b>]"
                                           << "[x<b>yz</b>]";
    QTest::newRow("end tag beyond a short selection") << "bold" << "[<B>a]b</B>c" << "|abc";
    QTest::newRow("no end tag") << "bold" << "[<B>abc]" << "[<B>abc]";
    QTest::newRow("bold, no selection") << "bold" << "a|bc" << "a|bc";
    QTest::newRow("comment wraps") << "comment" << "[x]" << "[<!--x-->]";
    QTest::newRow("comment's own close is no end") << "comment" << "[<!-->x-->]" << "[>x]";
    QTest::newRow("indent nests") << "indent" << "a [<BLOCKQUOTE>b</BLOCKQUOTE>] c"
                                  << "a [<BLOCKQUOTE><BLOCKQUOTE>b</BLOCKQUOTE></BLOCKQUOTE>] c";
    QTest::newRow("indent, no selection") << "indent" << "a|b" << "a|b";
    QTest::newRow("outdent any case") << "outdent" << "a [<BlockQuote>b</blockQUOTE>] c"
                                      << "a [b] c";
    QTest::newRow("outdent, no quote") << "outdent" << "a [<B>b</B>] c" << "a [<B>b</B>] c";
    QTest::newRow("paragraph") << "paragraph" << "x[abc]y"
                               << "x<P align=\"left\">|\r\n\r\n</P>y";

    QTest::newRow("smart: inside text") << "smart" << "a<p>H|ello</p>" << "a[<p>Hello</p>]";
    QTest::newRow("smart: after a tag") << "smart" << "a<p>|Hello</p>" << "a[<p>]Hello</p>";
    QTest::newRow("smart: inside a tag") << "smart" << "<p cl|ass=x>y" << "[<p class=x>]y";
    QTest::newRow("smart: at the start") << "smart" << "|<p>" << "|<p>";
    QTest::newRow("smart: no <") << "smart" << "ab|c>" << "ab|c>";
    QTest::newRow("smart: no >") << "smart" << "a<b c|d" << "a|<b cd";

    // No 16-bit limit on positions.
    const QString far(40000, u'x');
    QTest::newRow("far: bold") << "bold" << far + "[abc]" << far + "[<B>abc</B>]";
    QTest::newRow("far: smart") << "smart" << far + "<p>H|i</p>" << far + "[<p>Hi</p>]";
}

void TestTextTransforms::transforms()
{
    QFETCH(QString, transform);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QCOMPARE(show(transformNamed(transform)(parse(before))), after);
}

void TestTextTransforms::togglesRoundTrip_data()
{
    QTest::addColumn<QString>("startTag");
    QTest::addColumn<QString>("endTag");
    for (const TagToggles::Toggle &t : TagToggles::toggles())
        QTest::newRow(t.item) << QString(t.startTag) << QString(t.endTag);
}

void TestTextTransforms::togglesRoundTrip()
{
    QFETCH(QString, startTag);
    QFETCH(QString, endTag);
    const SourceText plain = parse("one [two]\r\nthree");
    const SourceText wrapped = TagToggles::toggle(plain, startTag, endTag);
    QCOMPARE(show(wrapped), "one [" + startTag + "two" + endTag + "]\r\nthree");
    QCOMPARE(TagToggles::toggle(wrapped, startTag, endTag), plain);
    SourceText lower = wrapped;
    lower.text = lower.text.toLower();
    QCOMPARE(show(TagToggles::toggle(lower, startTag, endTag)), "one [two]\r\nthree");
}

void TestTextTransforms::indentOutdentRoundTrip()
{
    const SourceText plain = parse("a\r\n[b\r\nc]\r\nd");
    const SourceText indented = TagToggles::indent(plain);
    QCOMPARE(show(indented), "a\r\n[<BLOCKQUOTE>b\r\nc</BLOCKQUOTE>]\r\nd");
    QCOMPARE(TagToggles::outdent(indented), plain);
}

void TestTextTransforms::autoDeleteTag_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("findEnd");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");
    const QString notFound = TagSearch::notFoundMessage;

    QTest::newRow("case mix") << "<B|>word</b>!" << false << "|word!" << "";
    QTest::newRow("case mix, find end") << "<B|>word</b>!" << true << "<B>word[</b>]!" << "";
    QTest::newRow("from the text inside") << "<p>He|llo</p>" << false << "|Hello" << "";
    QTest::newRow("nested: first end tag") << "<b|>x<b>y</b>z</b>" << false << "|x<b>yz</b>"
                                           << "";
    QTest::newRow("attributes") << "<font co|lor=red>x</font>" << false << "|x" << "";
    QTest::newRow("blank before the tag") << "a <i|>b</i>" << false << "a |b" << "";
    QTest::newRow("no end tag") << "a<b|r>b" << false << "a[<br>]b" << notFound;
    QTest::newRow("no end tag, find end") << "a<b|r>b" << true << "a[<br>]b" << notFound;
    QTest::newRow("no tag keeps plain text") << "ab> c|d" << false << "ab> c|d" << notFound;
    QTest::newRow("no >") << "x <b|" << false << "x |<b" << TagSearch::unexpectedMessage;
}

void TestTextTransforms::autoDeleteTag()
{
    QFETCH(QString, before);
    QFETCH(bool, findEnd);
    QFETCH(QString, after);
    QFETCH(QString, message);
    const TagSearch::Result r = TagSearch::autoDeleteTag(
        parse(before), findEnd ? TagSearch::Mode::FindEnd : TagSearch::Mode::Delete);
    QCOMPARE(show(r.text), after);
    QCOMPARE(r.message, message);
}

void TestTextTransforms::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("from");  // -1: Find from the start; else Find Next's selection start
    QTest::addColumn<int>("found");

    QTest::newRow("find at the start") << "aaaa" << "aa" << false << -1 << 0;
    QTest::newRow("find, empty text") << "aaaa" << "" << false << -1 << -1;
    QTest::newRow("find ignoring case") << "<HTML>" << "html" << false << -1 << 1;
    QTest::newRow("find, match case") << "<HTML>" << "html" << true << -1 << -1;
    QTest::newRow("next overlaps") << "aaaa" << "aa" << false << 0 << 1;
    QTest::newRow("next after the last") << "aaaa" << "aa" << false << 2 << -1;
    QTest::newRow("next passes the caret's own") << "ab ab" << "ab" << false << 0 << 3;
    QTest::newRow("next, match case") << "x X x" << "X" << true << 0 << 2;
    QTest::newRow("next, no wrap round") << "ab ab" << "ab" << false << 3 << -1;
    QTest::newRow("next, far") << QString(40000, u'a') + "b" << "ab" << false << 39000 << 39999;
}

void TestTextTransforms::search()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(bool, matchCase);
    QFETCH(int, from);
    QFETCH(int, found);
    const qsizetype at = from < 0 ? TextSearch::findFirst(text, what, matchCase)
                                  : TextSearch::findNext(text, from, what, matchCase);
    QCOMPARE(at, qsizetype(found));
}

QTEST_MAIN(TestTextTransforms)
#include "tst_texttransforms.moc"
