#include "editor/tagsearch.h"

namespace TagSearch {

SourceText smartSelect(const SourceText &in)
{
    const qsizetype caret = in.selStart;
    if (caret <= 0)
        return in;
    const qsizetype open = in.text.lastIndexOf(u'<', caret - 1);
    if (open < 0)
        return in;
    SourceText out{in.text, open, 0};
    const qsizetype close = in.text.indexOf(u'>', caret - 1);
    if (close >= 0)
        out.selLength = close - open + 1;
    return out;
}

Result autoDeleteTag(const SourceText &in, Mode mode)
{
    const SourceText selected = smartSelect(in);
    const QString &text = selected.text;
    const qsizetype start = selected.selStart;
    // Without a tag there is nothing to look for: plain text must not go.
    if (text.mid(start, 1) != u"<")
        return {selected, notFoundMessage};
    const qsizetype close = text.indexOf(u'>', start);
    if (close < 0)
        return {selected, unexpectedMessage};
    const qsizetype blank = text.indexOf(u' ', start);
    const qsizetype nameEnd = blank >= 0 && blank < close ? blank : close;
    const QString endTag = QStringLiteral("</") + text.mid(start + 1, nameEnd - start - 1) + u'>';
    const qsizetype end = text.indexOf(endTag, close + 1, Qt::CaseInsensitive);
    if (end < 0)
        return {selected, notFoundMessage};
    if (mode == Mode::FindEnd)
        return {{text, end, endTag.size()}, {}};
    SourceText out{text, start, 0};
    out.text.remove(end, endTag.size());
    out.text.remove(start, close - start + 1);
    return {out, {}};
}

} // namespace TagSearch
