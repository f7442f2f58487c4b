#include "platform/screenfonts.h"

#include <QFontDatabase>

QStringList screenFontFamilies()
{
    QStringList families = QFontDatabase::families();
    for (QString &family : families) {
        const qsizetype foundry = family.indexOf(QLatin1String(" ["));
        if (foundry > 0 && family.endsWith(u']'))
            family.truncate(foundry);
    }
    families.removeDuplicates();
    return families;
}
