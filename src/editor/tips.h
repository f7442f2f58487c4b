#pragma once

#include <QString>
#include <QStringList>

class QLabel;

// The tip routines the start-up assistant and the tip window share: the
// lines of the tips file and the one on show in a label.
class Tips
{
public:
    explicit Tips(QLabel *label) : m_label(label) {}

    // Reads every line of the file as a tip and shows a random one; false
    // when the path is empty or names no file.
    bool LoadTips(const QString &path);
    void ShowRandomTip();
    void DisplayCurrentTip();

    // LoadTips on the program's tips file; a missing file is said in the label.
    void loadProgramTips();

    // The tip number for a random r in [0, 1): 1 to count, 1 when there are none.
    static int tipNumber(double r, qsizetype count);

    QStringList tips;
    int CurrentTip = 1;

    static inline const QString fileName = QStringLiteral("TIPOFDAY.TXT");
    static inline const QString notFoundText =
        QStringLiteral("That the ") + fileName + QStringLiteral(" file was not found?");

private:
    QLabel *m_label;
};
