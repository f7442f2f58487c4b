#include "editor/sourcetext.h"

#include "platform/sourcearea.h"

namespace SourceTexts {

SourceText read(const SourceArea *area)
{
    return {area->text(), area->selStart(), area->selLength()};
}

void apply(SourceArea *area, const SourceText &result)
{
    const QString old = area->text();
    const QString &now = result.text;
    const qsizetype shorter = qMin(old.size(), now.size());
    qsizetype head = 0;
    while (head < shorter && old.at(head) == now.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && old.at(old.size() - 1 - tail) == now.at(now.size() - 1 - tail))
        ++tail;
    // Never cut a CR LF pair: the area holds it as one line break.
    if (head > 0 && old.at(head - 1) == u'\r')
        --head;
    const qsizetype oldEnd = old.size() - tail;
    if (tail > 0 && oldEnd > head && old.at(oldEnd) == u'\n' && old.at(oldEnd - 1) == u'\r')
        --tail;
    const qsizetype removed = old.size() - tail - head;
    const qsizetype added = now.size() - tail - head;
    if (removed > 0 || added > 0) {
        area->setSelStart(head);
        area->setSelLength(removed);
        area->setSelText(now.mid(head, added));
    }
    area->setSelStart(result.selStart);
    area->setSelLength(result.selLength);
}

SourceText replaceSelection(const SourceText &in, const QString &text)
{
    SourceText out;
    out.text = in.text.left(in.selStart) + text + in.text.mid(in.selStart + in.selLength);
    out.selStart = in.selStart + text.size();
    return out;
}

} // namespace SourceTexts
