#include "platform/richtext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

class TestRichText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reader_data();
    void reader();
    void formatting();
    void plainTextDocument();
    void roundTrip_data();
    void roundTrip();
    void lineBreaksBecomeCrLf();
    void files();
};

void TestRichText::reader_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("paragraphs, the last mark ends the text")
        << QByteArray(R"({\rtf1\ansi Hello\par World\par })") << u"Hello\r\nWorld"_qs;
    QTest::newRow("empty paragraphs count") << QByteArray(R"({\rtf1 a\par\par b})")
                                            << u"a\r\n\r\nb"_qs;
    QTest::newRow("line break") << QByteArray(R"({\rtf1 a\line b})") << u"a\r\nb"_qs;
    QTest::newRow("escaped braces and backslash")
        << QByteArray(R"({\rtf1 \{x\}\\y})") << u"{x}\\y"_qs;
    QTest::newRow("hex escapes in the code page")
        << QByteArray(R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80})") << u"café €"_qs;
    QTest::newRow("hex escapes, another code page")
        << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})") << u"\u0410\u0431"_qs;
    QTest::newRow("hex escapes in UTF-8")
        << QByteArray(R"({\rtf1\ansi\ansicpg65001 \'c3\'a9t\'c3\'a9})") << u"été"_qs;
    QTest::newRow("unicode with its fallback")
        << QByteArray(R"({\rtf1 \u233?t\u233?})") << u"été"_qs;
    QTest::newRow("two fallback characters")
        << QByteArray(R"({\rtf1\uc2\u8364\'80\'80x})") << u"€x"_qs;
    QTest::newRow("negative unicode, surrogate pair")
        << QByteArray(R"({\rtf1 \u-10179?\u-8704?!})") << u"\U0001F600!"_qs;
    QTest::newRow("tables, info and ignorable groups skipped")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1 Courier;}})"
                      R"({\colortbl;\red255\green0\blue0;}{\stylesheet{\s0 Normal;}})"
                      R"({\*\generator Writer 1.0;}{\info{\title T}{\author A}})"
                      R"({\*\unknown x{\nested y}}Text})")
        << u"Text"_qs;
    QTest::newRow("unknown words ignored, groups restore")
        << QByteArray(R"({\rtf1 a{\b b}c\foo d\bar12 e})") << u"abcde"_qs;
    QTest::newRow("one delimiting blank is consumed")
        << QByteArray(R"({\rtf1\b  two})") << u" two"_qs;
    QTest::newRow("symbols") << QByteArray(R"({\rtf1 a\~b\tab c\emdash d\lquote e\rquote})")
                             << u"a\u00A0b\tc\u2014d\u2018e\u2019"_qs;
    QTest::newRow("raw line ends ignored, escaped line end is a paragraph")
        << QByteArray("{\\rtf1 a\r\nb\\\r\nc}") << u"ab\r\nc"_qs;
    QTest::newRow("binary data with braces skipped")
        << QByteArray(R"({\rtf1 a{\pict\bin4 {{}\}b})") << u"ab"_qs;
    QTest::newRow("field result shown, instruction not")
        << QByteArray(R"({\rtf1 see {\field{\*\fldinst HYPERLINK "x"}{\fldrslt here}}.})")
        << u"see here."_qs;
    // Bullets of older writers: the numbering group is skipped, its fallback text shown.
    QTest::newRow("list fallback text shown")
        << QByteArray(R"({\rtf1{\*\pnseclvl1\pnucrm}{\pn\pnlvlblt{\pntxtb B}})"
                      R"({\pntext\'b7\tab}one})")
        << u"\u00B7\tone"_qs;
    QTest::newRow("text after the document ignored")
        << QByteArray(R"({\rtf1 a}trailing)") << u"a"_qs;
    QTest::newRow("unclosed document") << QByteArray(R"({\rtf1 a{\b b)") << u"ab"_qs;
    QTest::newRow("not rtf: plain text")
        << QByteArray("plain {text}\n\\par") << u"plain {text}\r\n\\par"_qs;
}

void TestRichText::reader()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(RichText::toPlainText(rtf), text);

    // The document holds the same text, paragraphs as blocks.
    QTextDocument document;
    RichText::read(rtf, &document);
    QString fromDocument = document.toRawText();
    fromDocument.replace(QChar::ParagraphSeparator, u"\r\n"_qs);
    fromDocument.replace(QChar::LineSeparator, u"\r\n"_qs);
    QCOMPARE(fromDocument, text);
}

void TestRichText::formatting()
{
    QTextDocument document;
    document.setDefaultFont(QFont(u"Sans"_qs, 11));
    RichText::read(R"({\rtf1 n{\b b}{\i i}{\ul u}{\fs36 big}\b x\plain y\par)"
                   R"(\qc\li300\sa150 c\par\pard l})",
                   &document);
    QCOMPARE(document.blockCount(), 3);

    auto formatAt = [&](int position) {
        QTextCursor cursor(&document);
        cursor.setPosition(position + 1);  // the format of the character before
        return cursor.charFormat();
    };
    QCOMPARE(formatAt(0).fontWeight(), int(QFont::Normal));
    QVERIFY(!formatAt(0).hasProperty(QTextFormat::FontPointSize));
    QCOMPARE(formatAt(1).fontWeight(), int(QFont::Bold));
    QVERIFY(formatAt(2).fontItalic());
    QVERIFY(!formatAt(2).font().bold());
    QVERIFY(formatAt(3).fontUnderline());
    QCOMPARE(formatAt(4).fontPointSize(), 18.0);
    QCOMPARE(formatAt(7).fontWeight(), int(QFont::Bold));   // x
    QCOMPARE(formatAt(8).fontWeight(), int(QFont::Normal));  // y after \plain

    QCOMPARE(document.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignLeft);
    const QTextBlockFormat centred = document.findBlockByNumber(1).blockFormat();
    QCOMPARE(centred.alignment(), Qt::AlignHCenter);
    QCOMPARE(centred.leftMargin(), 20.0);  // twips at 96 dots per inch
    QCOMPARE(centred.bottomMargin(), 10.0);
    QCOMPARE(document.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(document.findBlockByNumber(2).blockFormat().leftMargin(), 0.0);
    // The control's font stays the page's default.
    QCOMPARE(document.defaultFont().pointSize(), 11);
}

void TestRichText::plainTextDocument()
{
    // A page that is not RTF shows as it is, markup-like text included.
    QTextDocument document;
    RichText::read("{not rtf}\r\n\\b line two", &document);
    QCOMPARE(document.blockCount(), 2);
    QCOMPARE(document.toPlainText(), u"{not rtf}\n\\b line two"_qs);
}

void TestRichText::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one line") << u"one line"_qs;
    QTest::newRow("CR LF, trailing break") << u"<HTML>\r\n<BODY>\r\n</HTML>\r\n"_qs;
    QTest::newRow("blank lines and leading blanks")
        << u"\r\n\r\n  indented\r\n \r\nend"_qs;
    QTest::newRow("braces and backslashes")
        << u"{braces} \\back\\slash \\par \\u233? {\\rtf1 x}"_qs;
    QTest::newRow("non-ASCII") << u"Grüße – € \U0001F600 中文 \u00A0nbsp"_qs;
    QTest::newRow("tabs and control characters") << u"a\tb\x01" "c\x7f" "d"_qs;
    QTest::newRow("digits after escapes") << u"é1 {2 \\3 \t4"_qs;
    QTest::newRow("leading blank and digit") << u" 1 x\r\n 2"_qs;
}

void TestRichText::roundTrip()
{
    QFETCH(QString, text);
    const QString rtf = RichText::fromPlainText(text);
    QVERIFY(rtf.startsWith(u"{\\rtf1"_qs));
    for (QChar c : rtf)
        QVERIFY2(c.unicode() < 0x80, "the RTF is pure ASCII");
    QCOMPARE(RichText::toPlainText(rtf.toLatin1()), text);
}

void TestRichText::lineBreaksBecomeCrLf()
{
    const QString rtf = RichText::fromPlainText(u"a\nb\rc\r\n"_qs);
    QCOMPARE(RichText::toPlainText(rtf.toLatin1()), u"a\r\nb\r\nc\r\n"_qs);
}

void TestRichText::files()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"point.rpw"_qs);
    const QString text = u"<P>{ü}\\</P>\r\n"_qs;
    QString error;
    QVERIFY2(RichText::writePlainTextFile(path, text, &error), qPrintable(error));
    QString back;
    QVERIFY(RichText::readPlainTextFile(path, &back));
    QCOMPARE(back, text);

    QTextDocument document;
    QVERIFY(RichText::readFile(path, &document));
    QCOMPARE(document.toPlainText(), u"<P>{ü}\\</P>\n"_qs);

    // Failures are reported and leave the document as it was.
    QVERIFY(!RichText::writePlainTextFile(dir.filePath(u"missing/x.rpw"_qs), text, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!RichText::readPlainTextFile(dir.filePath(u"absent.rpw"_qs), &back, &error));
    QVERIFY(!RichText::readFile(dir.filePath(u"absent.rpw"_qs), &document, &error));
    QCOMPARE(document.toPlainText(), u"<P>{ü}\\</P>\n"_qs);
}

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
