#include "platform/sourcearea.h"

#include "support/hangguard.h"
#include "support/pdftext.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// A line with no place to break at a word, as an image inlined as a data: URL.
QString solidLine(qsizetype length)
{
    const QString chunk = QStringLiteral("iVBORw0KGgoAAAANSUhEUgAAAAEAAAAB");
    return chunk.repeated(length / chunk.size() + 1).left(length);
}

} // namespace

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
    void longLineOpensAndTakesKeysInTime();
    void longLineWrapsAnywhereWhileThere_data();
    void longLineWrapsAnywhereWhileThere();
    void pageWithLongLineKeepsPositionsAndUndo();
    void longLineBoundsFollowItsRows_data();
    void longLineBoundsFollowItsRows();
    void longLinePrintsInTime();
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

void TestSourceArea::longLineOpensAndTakesKeysInTime()
{
    // Laid out wrapping at words, this line took minutes; now about a second.
    SourceArea area;
    area.resize(800, 600);
    area.show();
    const QString line = solidLine(1 << 20);
    {
        HangGuard guard("opening a page with a 1 MB line", 60000);
        area.setText("<p>\r\n" + line + "\r\n</p>");
        QCoreApplication::processEvents();
        area.setSelStart(5 + line.size());
        QTest::keyClicks(&area, "ab");
        QCoreApplication::processEvents();
    }
    QVERIFY(area.text().endsWith(line.right(8) + "ab\r\n</p>"));
}

void TestSourceArea::longLineWrapsAnywhereWhileThere_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("wrapsAnywhere");
    const int n = SourceArea::longLine;
    const QString longLine = solidLine(n);
    QTest::newRow("opened") << longLine << "" << true;
    QTest::newRow("ordinary page") << QString("a\r\nb").repeated(n) << "" << false;
    QTest::newRow("pasted") << "a\r\nb" << "paste" << true;
    QTest::newRow("typed to the length") << solidLine(n - 2) << "key at end" << true;
    QTest::newRow("two lines joined") << solidLine(n / 2) + "\r\n" + solidLine(n / 2)
                                      << "join" << true;
    QTest::newRow("shortened") << solidLine(n - 1) << "backspace at end" << false;
    QTest::newRow("deleted") << "a\r\n" + longLine + "\r\nb" << "delete line 2" << false;
    QTest::newRow("deleted, undone") << "a\r\n" + longLine + "\r\nb" << "delete line 2, undo"
                                     << true;
    QTest::newRow("other line deleted") << "a\r\n" + longLine + "\r\nb" << "delete line 1"
                                        << true;
    QTest::newRow("page replaced") << longLine << "replace" << false;
}

void TestSourceArea::longLineWrapsAnywhereWhileThere()
{
    QFETCH(QString, page);
    QFETCH(QString, edit);
    QFETCH(bool, wrapsAnywhere);
    SourceArea area;
    area.show();
    area.setText(page);
    const QTextBlock second = area.document()->findBlockByNumber(1);
    if (edit == "paste") {
        area.setSelStart(1);
        area.setSelText(solidLine(SourceArea::longLine));
    } else if (edit == "key at end") {
        area.moveCursor(QTextCursor::End);
        QTest::keyClicks(&area, "xy");
    } else if (edit == "join") {
        area.setSelStart(SourceArea::longLine / 2);
        QTest::keyClick(&area, Qt::Key_Delete);
    } else if (edit == "backspace at end") {
        area.moveCursor(QTextCursor::End);
        QTest::keyClick(&area, Qt::Key_Backspace);
    } else if (edit.startsWith("delete line")) {
        QTextCursor cursor(edit.startsWith("delete line 2") ? second : area.document()->begin());
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        if (edit.endsWith("undo"))
            area.undo();
    } else if (edit == "replace") {
        area.setText("short");
    }
    QCOMPARE(area.hasLongLines(), wrapsAnywhere);
    QCOMPARE(area.wordWrapMode(), wrapsAnywhere ? QTextOption::WrapAnywhere
                                                : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void TestSourceArea::pageWithLongLineKeepsPositionsAndUndo()
{
    SourceArea area;
    area.resize(600, 400);
    area.show();
    const QString image = "<img src=\"data:image/png;base64," + solidLine(50000) + "\">";
    const QString page = "<html>\r\n" + image + "\r\n<p>end</p>\r\n";
    area.setText(page);
    QCOMPARE(area.text(), page);
    QCOMPARE(area.lineCount(), 4);
    // Positions and selections past the long line count its CR LF.
    const qsizetype end = page.indexOf("end");
    area.setSelStart(end);
    area.setSelLength(3);
    QCOMPARE(area.selStart(), end);
    QCOMPARE(area.selText(), QString("end"));
    // A key at the end of the long line lands there, and undo takes it back.
    const qsizetype lineEnd = page.indexOf("\">") + 2;
    area.setSelStart(lineEnd);
    QTest::keyClicks(&area, "xy");
    QCoreApplication::processEvents();
    QString typed = page;
    typed.insert(lineEnd, "xy");
    QCOMPARE(area.text(), typed);
    QCOMPARE(area.selStart(), lineEnd + 2);
    QCOMPARE(area.textBefore(lineEnd + 2, 4), QString("\">xy"));
    // The layout shows the line as it now is, every character of it.
    const QTextBlock block = area.document()->findBlockByNumber(1);
    const QTextLayout *layout = block.layout();
    QVERIFY(layout->lineCount() > 1);
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    QCOMPARE(last.textStart() + last.textLength(), block.length() - 1);
    QVERIFY(area.cursorRect().top() >= layout->lineCount() / 2);
    area.undo();
    QCOMPARE(area.text(), page);
    area.redo();
    QCOMPARE(area.text(), typed);
    // A larger font lays the line out again, in more lines.
    const int lines = layout->lineCount();
    QFont larger = area.font();
    larger.setPointSize(larger.pointSize() * 2);
    area.setFont(larger);
    QCoreApplication::processEvents();
    QVERIFY2(layout->lineCount() > lines * 3 / 2,
             qPrintable(QString("%1 -> %2 lines").arg(lines).arg(layout->lineCount())));
}

void TestSourceArea::longLineBoundsFollowItsRows_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("typed into") << "type";
    QTest::newRow("shortened") << "cut";
    QTest::newRow("narrower") << "resize";
    QTest::newRow("larger font") << "font";
    QTest::newRow("line above removed") << "remove above";
    QTest::newRow("undone") << "undo";
}

void TestSourceArea::longLineBoundsFollowItsRows()
{
    // The view places every line below the long one by that line's bounds:
    // bounds kept from before a change would draw and hit-test them wrong.
    QFETCH(QString, change);
    SourceArea area;
    area.resize(600, 400);
    area.show();
    area.setText("<p>\r\n" + solidLine(40000) + "\r\n<p>end</p>");
    QCoreApplication::processEvents();
    QAbstractTextDocumentLayout *docLayout = area.document()->documentLayout();
    int number = 1;
    auto longBlock = [&] { return area.document()->findBlockByNumber(number); };
    const qreal before = docLayout->blockBoundingRect(longBlock()).height();
    QTextCursor cursor(longBlock());
    if (change == "type") {
        cursor.movePosition(QTextCursor::EndOfBlock);
        area.setTextCursor(cursor);
        QTest::keyClicks(&area, QString(200, 'x'));
    } else if (change == "cut") {
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 20000);
        cursor.removeSelectedText();
    } else if (change == "resize") {
        area.resize(300, 400);
    } else if (change == "font") {
        QFont larger = area.font();
        larger.setPointSize(larger.pointSize() * 2);
        area.setFont(larger);
    } else if (change == "remove above") {
        QTextCursor first(area.document()->begin());
        first.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        first.removeSelectedText();
        number = 0;
    } else if (change == "undo") {
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 20000);
        cursor.removeSelectedText();
        docLayout->blockBoundingRect(longBlock());
        area.undo();
    }
    QCoreApplication::processEvents();
    const QTextBlock block = longBlock();
    QCOMPARE(block.length(), change == "type" ? 40201 : change == "cut" ? 20001 : 40001);
    const QRectF bounds = docLayout->blockBoundingRect(block);
    QCOMPARE(bounds.height(), block.layout()->boundingRect().bottom());
    QCOMPARE(bounds.height() == before, change == "remove above" || change == "undo");
}

void TestSourceArea::longLinePrintsInTime()
{
    // Every page the line runs over shaped all of it again: half a minute.
    SourceArea area;
    area.setText("<p>\r\n" + solidLine(600000) + "\r\n</p>");
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("long.pdf"));
    {
        HangGuard guard("printing a page with a 600 KB line", 25000);
        area.selPrint(&printer);
    }
    QVERIFY(pdfPages(printer.outputFileName()) > 10);
}

QTEST_MAIN(TestSourceArea)
#include "tst_sourcearea.moc"
