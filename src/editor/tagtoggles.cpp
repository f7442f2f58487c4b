#include "editor/tagtoggles.h"

namespace TagToggles {

namespace {

const QString kQuoteStart = QStringLiteral("<BLOCKQUOTE>");
const QString kQuoteEnd = QStringLiteral("</BLOCKQUOTE>");

SourceText wrap(const SourceText &in, const QString &startTag, const QString &endTag)
{
    SourceText out = SourceTexts::replaceSelection(in, startTag + in.selText() + endTag);
    out.selStart = in.selStart;
    out.selLength = in.selLength + startTag.size() + endTag.size();
    return out;
}

SourceText unwrap(const SourceText &in, const QString &startTag, const QString &endTag)
{
    // The end tag is looked for behind the start tag, so "<!-->" is not
    // taken for a comment that closes itself.
    const qsizetype end = in.text.indexOf(endTag, in.selStart + startTag.size(),
                                          Qt::CaseInsensitive);
    if (end < 0)
        return in;
    SourceText out;
    out.text = in.text;
    out.text.remove(end, endTag.size());
    out.text.remove(in.selStart, startTag.size());
    out.selStart = in.selStart;
    out.selLength = qBound<qsizetype>(0, in.selLength - startTag.size() - endTag.size(),
                                      out.text.size() - out.selStart);
    return out;
}

} // namespace

const QList<Toggle> &toggles()
{
    static const QList<Toggle> list = {
        {"mnuBold", "<B>", "</B>"},
        {"mnuItalics", "<I>", "</I>"},
        {"mnuUnderline", "<U>", "</U>"},
        {"mnuPreformat", "<PRE>", "</PRE>"},
        {"mnuSuperscript", "<SUP>", "</SUP>"},
        {"mnuSubscript", "<SUB>", "</SUB>"},
        {"mnuAbbreviation", "<ABBR>", "</ABBR>"},
        {"mnuBig", "<BIG>", "</BIG>"},
        {"mnuCode", "<CODE>", "</CODE>"},
        {"mnuEmphasis", "<EM>", "</EM>"},
        {"mnuKeyboard", "<KBD>", "</KBD>"},
        {"mnuQuote", "<QUOTE>", "</QUOTE>"},
        {"mnuSmall", "<SMALL>", "</SMALL>"},
        {"mnuStrong", "<STRONG>", "</STRONG>"},
        {"mnuComment", "<!--", "-->"},
    };
    return list;
}

SourceText toggle(const SourceText &in, const QString &startTag, const QString &endTag)
{
    if (in.selLength <= 0)
        return in;
    const QString head = in.selText().left(startTag.size());
    if (head == startTag || head == startTag.toLower())
        return unwrap(in, startTag, endTag);
    return wrap(in, startTag, endTag);
}

SourceText indent(const SourceText &in)
{
    if (in.selLength <= 0)
        return in;
    return wrap(in, kQuoteStart, kQuoteEnd);
}

SourceText outdent(const SourceText &in)
{
    if (in.selText().left(kQuoteStart.size()).compare(kQuoteStart, Qt::CaseInsensitive) != 0)
        return in;
    return unwrap(in, kQuoteStart, kQuoteEnd);
}

SourceText paragraph(const SourceText &in)
{
    const QString startTag = QStringLiteral("<P align=\"left\">");
    SourceText out = SourceTexts::replaceSelection(in, startTag + QStringLiteral("\r\n\r\n</P>"));
    out.selStart = in.selStart + startTag.size();
    return out;
}

} // namespace TagToggles
