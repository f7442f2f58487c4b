#include "editor/tips.h"

#include "platform/programfolder.h"
#include "platform/textfiles.h"

#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>

bool Tips::LoadTips(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QString text;
    if (!TextFiles::read(path, &text))
        return false;
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    // A line break ends a line; it does not start another one.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    tips.append(lines);
    ShowRandomTip();
    return true;
}

void Tips::ShowRandomTip()
{
    CurrentTip = tipNumber(QRandomGenerator::global()->generateDouble(), tips.size());
    DisplayCurrentTip();
}

void Tips::DisplayCurrentTip()
{
    if (!tips.isEmpty() && CurrentTip >= 1 && CurrentTip <= tips.size())
        m_label->setText(tips.at(CurrentTip - 1));
}

void Tips::loadProgramTips()
{
    if (!LoadTips(ProgramFolder::resolve(QStringLiteral("misc/") + fileName)))
        m_label->setText(notFoundText);
}

int Tips::tipNumber(double r, qsizetype count)
{
    if (count <= 0)
        return 1;
    const auto n = static_cast<qsizetype>(r * static_cast<double>(count)) + 1;
    return static_cast<int>(std::clamp<qsizetype>(n, 1, count));
}
