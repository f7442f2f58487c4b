#include "vevevodi/generatorrewrite.h"

namespace GeneratorRewrite {

QString apply(const QString &html, Rewrites rewrites)
{
    struct Replacement {
        Rewrite rewrite;
        QLatin1String from;
        QLatin1String to;
    };
    static const Replacement table[] = {
        {OwnGenerator,
         QLatin1String("<meta name=\"GENERATOR\" content=\"Microsoft DHTML Editing Control\">"),
         QLatin1String("<META NAME=\"GENERATOR\" Content=\"Quorl Vevevodi\">")},
        {Engine2800, QLatin1String("<meta content=\"MSHTML 6.00.2800.1106\" name=\"GENERATOR\">"),
         QLatin1String("")},
        {Engine2600, QLatin1String("<meta content=\"MSHTML 6.00.2600.0\" name=\"GENERATOR\">"),
         QLatin1String("")},
    };
    QString text = html;
    for (const Replacement &r : table) {
        if (rewrites.testFlag(r.rewrite))
            text.replace(r.from, r.to, Qt::CaseSensitive);
    }
    return text;
}

} // namespace GeneratorRewrite
