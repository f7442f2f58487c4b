// The real open and save dialogs (Qt's own widgets, as they run here): what
// the Open button takes, where a dialog starts, and that naming a file never
// reads it.

#include "platform/commondialog.h"
#include "platform/filedialog.h"
#include "support/files.h"
#include "support/hangguard.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString kFilter = QStringLiteral("HTML Files (*.html);;HTM Files (*.htm)");

QPushButton *button(QFileDialog *dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox *>()->button(which);
}

// Runs act on the next file dialog that runs modally, then lets it go on.
void onNextDialog(const std::function<void(QFileDialog *)> &act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(dialog);
        }
    });
    poll->start(10);
}

} // namespace

class TestFileDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void openTakesAnyExistingFile_data();
    void openTakesAnyExistingFile();
    void startsAwayFromSpecialFolders_data();
    void startsAwayFromSpecialFolders();
    void nextDialogAfterASaveIntoProc();
    void typedNameOfASpecialFileIsNotRead();
    void nameWithQuotesIsTakenAsTyped_data();
    void nameWithQuotesIsTakenAsTyped();

private:
    TestEnv m_env;
    QString m_folder;
};

void TestFileDialogs::initTestCase()
{
    m_folder = m_env.scratch("pages");
    QVERIFY(QDir().mkpath(m_folder));
    QVERIFY(TestFiles::write(m_folder + "/page.htm", "<p>htm</p>"));
    QVERIFY(TestFiles::write(m_folder + "/other.html", "<p>html</p>"));
    QVERIFY(TestFiles::write(m_folder + "/plain", "<p>no extension</p>"));
    QVERIFY(QFile::link("/proc/self", m_env.scratch("linked")));
}

void TestFileDialogs::openTakesAnyExistingFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // empty: not taken
    QTest::newRow("hidden by the filter") << "page.htm" << m_folder + "/page.htm";
    QTest::newRow("shown by the filter") << "other.html" << m_folder + "/other.html";
    QTest::newRow("whole path, hidden") << m_folder + "/page.htm" << m_folder + "/page.htm";
    QTest::newRow("no such file") << "absent.htm" << "";
    // The extension the dialog was given, as a save adds it.
    QTest::newRow("typed without extension") << "other" << m_folder + "/other.html";
    QTest::newRow("a file named as typed goes first") << "plain" << m_folder + "/plain";
    QTest::newRow("neither as typed nor with extension") << "absent" << "";
}

void TestFileDialogs::openTakesAnyExistingFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    // Started in the folder of the file, as every Open after the first is.
    const auto dialog = FileDialogs::create({"Open", kFilter, m_folder, "*.html"},
                                            QFileDialog::AcceptOpen);
    dialog->show();
    const auto *list = dialog->findChild<QListView *>("listView");
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 1);
    auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QCOMPARE(button(dialog.get(), QDialogButtonBox::Open)->isEnabled(), !chosen.isEmpty());
    if (chosen.isEmpty())
        return;
    button(dialog.get(), QDialogButtonBox::Open)->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->selectedFiles(), QStringList{chosen});
}

void TestFileDialogs::startsAwayFromSpecialFolders_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("start");
    QTest::newRow("kernel messages") << "/proc/kmsg" << QDir::homePath();
    QTest::newRow("proc") << "/proc" << QDir::homePath();
    QTest::newRow("sys") << "/sys/kernel" << QDir::homePath();
    QTest::newRow("dev") << "/dev/null" << QDir::homePath();
    QTest::newRow("new name in proc") << "/proc/page.html" << QDir::homePath();
    QTest::newRow("through a link") << m_env.scratch("linked") + "/status" << QDir::homePath();
    QTest::newRow("ordinary folder") << m_folder + "/page.htm" << m_folder;
}

void TestFileDialogs::startsAwayFromSpecialFolders()
{
    QFETCH(QString, initial);
    QFETCH(QString, start);
    HangGuard guard("Creating the dialog");
    const auto dialog = FileDialogs::create({"Save As", kFilter, initial, "html"},
                                            QFileDialog::AcceptSave);
    QCOMPARE(dialog->directory().absolutePath(), start);
}

void TestFileDialogs::nextDialogAfterASaveIntoProc()
{
    // The real prompter, as the windows use it: a save answered with a path
    // in /proc, then the next dialog, which starts where the last one ended.
    CommonDialog dlg;
    dlg.DefaultExt = "html";
    onNextDialog([](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText("/proc/page");
        button(dialog, QDialogButtonBox::Save)->click();
    });
    QVERIFY(dlg.ShowSave());
    QCOMPARE(dlg.FileName, QString("/proc/page.html"));

    dlg.FileName.clear();
    QString started;
    onNextDialog([&started](QFileDialog *dialog) {
        started = dialog->directory().absolutePath();
        dialog->reject();
    });
    HangGuard guard("The open dialog after a save into /proc");
    QVERIFY(!dlg.ShowOpen());
    QCOMPARE(started, QDir::homePath());
}

void TestFileDialogs::typedNameOfASpecialFileIsNotRead()
{
    // Reading /proc/kmsg waits for the next kernel message.
    const auto dialog = FileDialogs::create({"Open", kFilter, m_folder, {}},
                                            QFileDialog::AcceptOpen);
    dialog->show();
    HangGuard guard("Typing /proc/kmsg");
    dialog->findChild<QLineEdit *>("fileNameEdit")->setText("/proc/kmsg");
    QTest::qWait(200);
}

void TestFileDialogs::nameWithQuotesIsTakenAsTyped_data()
{
    // Qt reads quotes as a list of names: `a "q" 'x'.html` would save q.html.
    QVERIFY(TestFiles::write(m_folder + "/b \"c\".html", "<p>quoted</p>"));
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    const int save = QFileDialog::AcceptSave, open = QFileDialog::AcceptOpen;
    QTest::newRow("save") << save << "a \"q\" 'x'.html" << m_folder + "/a \"q\" 'x'.html";
    QTest::newRow("save, extension added") << save << "\"q\"" << m_folder + "/\"q\".html";
    QTest::newRow("save, whole path") << save << m_folder + "/\"d\".htm"
                                      << m_folder + "/\"d\".htm";
    QTest::newRow("open") << open << "b \"c\".html" << m_folder + "/b \"c\".html";
    QTest::newRow("open, extension added") << open << "b \"c\"" << m_folder + "/b \"c\".html";
}

void TestFileDialogs::nameWithQuotesIsTakenAsTyped()
{
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    const auto dialog = FileDialogs::create({"Name", kFilter, m_folder, "html"},
                                            QFileDialog::AcceptMode(mode));
    onNextDialog([&typed, mode](QFileDialog *shown) {
        shown->findChild<QLineEdit *>("fileNameEdit")->setText(typed);
        button(shown, mode == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                      : QDialogButtonBox::Open)->click();
        if (shown->isVisible())
            shown->reject();
    });
    QCOMPARE(FileDialogs::run(*dialog).value_or("<not taken>"), chosen);
}

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
