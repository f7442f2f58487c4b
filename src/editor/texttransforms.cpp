#include "editor/texttransforms.h"

namespace TextTransforms {

namespace {

bool isAsciiLower(QChar c)
{
    return c >= u'a' && c <= u'z';
}

bool isAsciiUpper(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

SourceText caseChange(const SourceText &in, QString (*change)(const QString &))
{
    if (in.selLength <= 0)
        return in;
    return SourceTexts::replaceSelection(in, change(in.selText()));
}

SourceText reselected(const SourceText &in, const QString &replacement)
{
    SourceText out = SourceTexts::replaceSelection(in, replacement);
    out.selStart = in.selStart;
    out.selLength = replacement.size();
    return out;
}

} // namespace

SourceText lowerCase(const SourceText &in)
{
    return caseChange(in, [](const QString &s) { return s.toLower(); });
}

SourceText upperCase(const SourceText &in)
{
    return caseChange(in, [](const QString &s) { return s.toUpper(); });
}

SourceText titleCase(const SourceText &in)
{
    return caseChange(in, [](const QString &selected) {
        QString s = selected.toLower();
        s = s.left(1).toUpper() + s.mid(1);
        for (qsizetype i = 0; i + 1 < s.size(); ++i) {
            if (s.at(i) == u' ' && isAsciiLower(s.at(i + 1)))
                s[i + 1] = QChar(s.at(i + 1).unicode() - 32);
        }
        return s;
    });
}

SourceText invertedCase(const SourceText &in)
{
    return caseChange(in, [](const QString &selected) {
        QString s = selected;
        for (QChar &c : s) {
            if (isAsciiLower(c))
                c = QChar(c.unicode() - 32);
            else if (isAsciiUpper(c))
                c = QChar(c.unicode() + 32);
        }
        return s;
    });
}

SourceText tabify(const SourceText &in)
{
    QString s = in.selText();
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\r\n\t"));
    return reselected(in, u'\t' + s);
}

SourceText untabify(const SourceText &in)
{
    QString s = in.selText();
    s.remove(u'\t');
    return reselected(in, s);
}

} // namespace TextTransforms
