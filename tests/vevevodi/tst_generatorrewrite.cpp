// The GENERATOR rewrites of the composer's whole-document copy.

#include "vevevodi/generatorrewrite.h"

#include <QTest>

using namespace GeneratorRewrite;

class TestGeneratorRewrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rewrites_data();
    void rewrites();
};

void TestGeneratorRewrite::rewrites_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("subset");
    QTest::addColumn<QString>("expected");
    const QString own = "<meta name=\"GENERATOR\" content=\"Microsoft DHTML Editing Control\">";
    const QString ours = "<META NAME=\"GENERATOR\" Content=\"Quorl Vevevodi\">";
    const QString e28 = "<meta content=\"MSHTML 6.00.2800.1106\" name=\"GENERATOR\">";
    const QString e26 = "<meta content=\"MSHTML 6.00.2600.0\" name=\"GENERATOR\">";
    const int all = int(GeneratorRewrite::all);
    QTest::newRow("own element, twice") << "<HEAD>" + own + "\r\n" + own + "</HEAD>"
                                        << all << "<HEAD>" + ours + "\r\n" + ours + "</HEAD>";
    QTest::newRow("other attribute order stays")
        << "<meta content=\"Microsoft DHTML Editing Control\" name=\"GENERATOR\">" << all
        << "<meta content=\"Microsoft DHTML Editing Control\" name=\"GENERATOR\">";
    QTest::newRow("engine elements removed") << "a" + e28 + "b" + e26 + "c" << all << "abc";
    QTest::newRow("save keeps the engine elements")
        << own + e28 + e26 << int(OwnGenerator) << ours + e28 + e26;
    QTest::newRow("whole-document commands keep 2600")
        << own + e28 + e26 << int(OwnGenerator | Engine2800) << ours + e26;
    QTest::newRow("nothing asked") << own << 0 << own;
}

void TestGeneratorRewrite::rewrites()
{
    QFETCH(QString, html);
    QFETCH(int, subset);
    QFETCH(QString, expected);
    QCOMPARE(apply(html, Rewrites(subset)), expected);
}

QTEST_APPLESS_MAIN(TestGeneratorRewrite)
#include "tst_generatorrewrite.moc"
