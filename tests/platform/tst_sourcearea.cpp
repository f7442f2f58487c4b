#include "platform/sourcearea.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

class TestSourceArea : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textRoundTrip_data();
    void textRoundTrip();
    void positionsCountCrLf();
    void textBefore_data();
    void textBefore();
    void selTextReplacesAndMovesCaret();
    void emptyPutOverNoSelectionIsNoChange();
    void everyChangeSignalsOnce();
    void fontChangeIsNoChange();
    void pasteAndShiftEnterKeepOneKindOfBreak();
    void longTextsHaveNoPositionLimit();
    void lineCount();
    void typingPausesEndUndoSteps();
};

void TestSourceArea::textRoundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("crlf") << "a\r\nb\r\nc" << "a\r\nb\r\nc";
    QTest::newRow("lone lf") << "a\nb" << "a\r\nb";
    QTest::newRow("lone cr") << "a\rb\r" << "a\r\nb\r\n";
    QTest::newRow("mixed") << "a\r\n\nb\r" << "a\r\n\r\nb\r\n";
    QTest::newRow("nbsp tab unicode") << QString::fromUtf8("x\u00a0y\tz \u00e9\u20ac\U0001F600")
                                      << QString::fromUtf8("x\u00a0y\tz \u00e9\u20ac\U0001F600");
    QTest::newRow("empty") << "" << "";
}

void TestSourceArea::textRoundTrip()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    SourceArea area;
    area.setText(input);
    QCOMPARE(area.text(), expected);
    QCOMPARE(area.textLength(), expected.size());
}

void TestSourceArea::textBefore_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("atCaret");
    // Always the same characters as text().mid(position - count, count).
    QTest::newRow("across a break") << 6 << 4 << true;
    QTest::newRow("half a break") << 4 << 1 << true;
    QTest::newRow("not at the caret") << 9 << 6 << false;
    QTest::newRow("more than there is") << 4 << 10 << false;
    QTest::newRow("start") << 0 << 3 << true;
    QTest::newRow("end") << 10 << 10 << true;
}

void TestSourceArea::textBefore()
{
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(bool, atCaret);
    SourceArea area;
    area.setText("ab\r\ncd\r\nef");
    area.setSelStart(atCaret ? position : 1);
    const int from = qMax(0, position - count);
    QCOMPARE(area.textBefore(position, count), area.text().mid(from, position - from));
}

void TestSourceArea::positionsCountCrLf()
{
    SourceArea area;
    area.setText("ab\r\ncd\r\nef");
    const QString text = area.text();
    // Select "cd\r\ne" by positions computed on text().
    const qsizetype start = text.indexOf("cd");
    area.setSelStart(start);
    QCOMPARE(area.selStart(), start);
    QCOMPARE(area.selLength(), 0);
    area.setSelLength(5);
    QCOMPARE(area.selText(), QString("cd\r\ne"));
    QCOMPARE(area.selStart(), start);
    QCOMPARE(area.selLength(), 5);
    // Every position in the text maps back to itself outside CR LF pairs.
    for (qsizetype p = 0; p <= text.size(); ++p) {
        if (p > 0 && text.at(p - 1) == u'\r')
            continue;
        area.setSelStart(p);
        QCOMPARE(area.selStart(), p);
    }
    // Past the end is clamped.
    area.setSelStart(1000);
    QCOMPARE(area.selStart(), text.size());
}

void TestSourceArea::selTextReplacesAndMovesCaret()
{
    SourceArea area;
    area.setText("<P>old</P>\r\nnext");
    area.setSelStart(3);
    area.setSelLength(3);
    area.setSelText("new\r\ntext");
    QCOMPARE(area.text(), QString("<P>new\r\ntext</P>\r\nnext"));
    QCOMPARE(area.selStart(), 3 + 9);
    QCOMPARE(area.selLength(), 0);
    QCOMPARE(area.selText(), QString());
    // With nothing selected, the text goes in at the caret.
    area.setSelText("!");
    QCOMPARE(area.text(), QString("<P>new\r\ntext!</P>\r\nnext"));
}

void TestSourceArea::emptyPutOverNoSelectionIsNoChange()
{
    SourceArea area;
    area.setText("abc");
    QSignalSpy spy(&area, &SourceArea::changed);
    area.setSelStart(1);
    area.setSelText(QString());
    QCOMPARE(spy.count(), 0);
    area.setSelLength(1);
    area.setSelText(QString());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(area.text(), QString("ac"));
}

void TestSourceArea::everyChangeSignalsOnce()
{
    SourceArea area;
    QSignalSpy spy(&area, &SourceArea::changed);
    area.setText("one\r\ntwo");
    QCOMPARE(spy.count(), 1);
    area.setText(QString());      // a put always counts, even of nothing
    QCOMPARE(spy.count(), 2);
    area.setText("x");
    area.selectAll();
    area.setSelText("y\nz");      // replacing a selection is one change
    QCOMPARE(spy.count(), 4);
    area.setFocus();
    QTest::keyClick(&area, Qt::Key_A);
    QCOMPARE(spy.count(), 5);     // typed, delivered synchronously
    QTest::keyClick(&area, Qt::Key_Backspace);
    QCOMPARE(spy.count(), 6);
    QCOMPARE(area.text(), QString("y\r\nz"));
}

void TestSourceArea::fontChangeIsNoChange()
{
    SourceArea area;
    area.setText("abc");
    QSignalSpy spy(&area, &SourceArea::changed);
    area.setFont(QFont("DejaVu Sans", 14));
    area.setBackColor(Qt::yellow);
    area.setSelStart(1);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(area.backColor(), QColor(Qt::yellow));
}

void TestSourceArea::pasteAndShiftEnterKeepOneKindOfBreak()
{
    SourceArea area;
    area.setText("ab");
    area.setSelStart(1);
    QGuiApplication::clipboard()->setText("x\r\ny\rz");
    area.paste();
    QCOMPARE(area.text(), QString("ax\r\ny\r\nzb"));
    area.setSelStart(0);
    QTest::keyClick(&area, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(area.text(), QString("\r\nax\r\ny\r\nzb"));
    QCOMPARE(area.lineCount(), 4);
}

void TestSourceArea::longTextsHaveNoPositionLimit()
{
    SourceArea area;
    QString line = QString(99, u'x') + "\r\n";
    area.setText(line.repeated(1000));  // 101,000 characters
    QCOMPARE(area.textLength(), 101000);
    area.setSelStart(100000);
    QCOMPARE(area.selStart(), 100000);
    area.setSelLength(1001);
    QCOMPARE(area.selLength(), 1000);   // clamped at the end
    area.selectAll();
    QCOMPARE(area.selLength(), 101000);
}

void TestSourceArea::lineCount()
{
    SourceArea area;
    QCOMPARE(area.lineCount(), 1);
    area.setText("a\r\nb\r\n");
    QCOMPARE(area.lineCount(), 3);
}

void TestSourceArea::typingPausesEndUndoSteps()
{
    SourceArea area;
    area.show();
    QSignalSpy changed(&area, &SourceArea::changed);
    QTest::keyClicks(&area, "one");
    QTest::qWait(1100);
    QTest::keyClicks(&area, " two");
    QTest::qWait(1100);
    QTest::keyClicks(&area, " three");
    QCOMPARE(changed.count(), 13);  // one per key, as before
    // A caret move starts a step too.
    QTest::keyClick(&area, Qt::Key_Home);
    QTest::keyClicks(&area, ">");
    QCOMPARE(area.text(), QString(">one two three"));
    area.undo();
    QCOMPARE(area.text(), QString("one two three"));
    area.undo();
    QCOMPARE(area.text(), QString("one two"));
    area.undo();
    QCOMPARE(area.text(), QString("one"));
    area.redo();
    QCOMPARE(area.text(), QString("one two"));
    area.undo();
    area.undo();
    QCOMPARE(area.text(), QString());
}

QTEST_MAIN(TestSourceArea)
#include "tst_sourcearea.moc"
