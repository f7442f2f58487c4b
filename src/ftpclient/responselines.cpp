#include "ftpclient/responselines.h"

QStringList splitResponseLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i) == u'\r') {
            lines << text.mid(start, i - start);
            i += 2;
            start = qMin(i, text.size());
        } else {
            ++i;
        }
    }
    lines << text.mid(start);
    return lines;
}
