#pragma once

#include <QStringList>

// The families of the installed fonts, each once and by the name a page or a
// widget chooses it by: Qt lists a family that several foundries offer as
// "Family [Foundry]", a name no browser knows.
QStringList screenFontFamilies();
