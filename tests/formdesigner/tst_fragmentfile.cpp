// The designers' work files: the body text they keep and how they are
// written and read.

#include "formdesigner/fragmentfile.h"
#include "support/files.h"
#include "support/testenv.h"

#include <QTest>

class TestFragmentFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bodyText_data();
    void bodyText();
    void writeAndRead();
    void loadAndSaveKeepsBytes_data();
    void loadAndSaveKeepsBytes();

private:
    TestEnv m_env;
};

void TestFragmentFile::bodyText_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("body");
    QTest::newRow("engine document") << "<html><head></head><body><div>A</div>\n</body></html>"
                                     << "<div>A</div>\n";
    QTest::newRow("upper case keeps its case") << "<HTML><BODY><P>x</P></BODY></HTML>"
                                               << "<P>x</P>";
    QTest::newRow("body with attributes") << "<body bgcolor=\"red\">x</body>" << "x";
    QTest::newRow("not a body tag") << "<bodyguard>x</bodyguard><body>y</body>" << "y";
    QTest::newRow("last closing tag") << "<body>a</body>b</body>" << "a</body>b";
    QTest::newRow("no body at all") << "<div>x</div>" << "<div>x</div>";
    QTest::newRow("no closing tag") << "<body><div>x</div>" << "<div>x</div>";
}

void TestFragmentFile::bodyText()
{
    QFETCH(QString, html);
    QFETCH(QString, body);
    QCOMPARE(FragmentFile::bodyText(html), body);
}

void TestFragmentFile::writeAndRead()
{
    const QString path = m_env.scratch("work");
    QVERIFY(FragmentFile::write(path, "<div>\u00e9</div>"));
    QCOMPARE(TestFiles::bytes(path), QByteArray("<div>\xc3\xa9</div>\r\n"));
    QCOMPARE(FragmentFile::read(path).value_or("<none>"), QString("<div>\u00e9</div>"));

    QString why;
    QVERIFY(!FragmentFile::read(m_env.scratch("missing"), &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!FragmentFile::write(m_env.scratch("no/folder/x"), "x", &why));
}

void TestFragmentFile::loadAndSaveKeepsBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("written here") << QByteArray("<div>x</div>\r\n");
    QTest::newRow("LF file") << QByteArray("<p>a</p>\n<p>b</p>\n");
    QTest::newRow("grown by earlier saves") << QByteArray("<div>x</div>\r\n\r\n\r\n");
    QTest::newRow("no final break") << QByteArray("<div>x</div>");
    QTest::newRow("Windows-1252") << QByteArray("<p>caf\xe9</p>\r\n");
}

void TestFragmentFile::loadAndSaveKeepsBytes()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_env.scratch("cycle");
    QVERIFY(TestFiles::write(path, bytes));
    for (int cycle = 0; cycle < 3; ++cycle) {
        TextFiles::Format format;
        const auto body = FragmentFile::read(path, nullptr, &format);
        QVERIFY(body);
        QVERIFY(FragmentFile::write(path, *body, nullptr, format));
        QCOMPARE(TestFiles::bytes(path), bytes);
    }
}

QTEST_MAIN(TestFragmentFile)
#include "tst_fragmentfile.moc"
