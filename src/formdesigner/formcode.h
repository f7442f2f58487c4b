#pragma once

#include <QString>

// The form code the designer generates around a captured design: a marker
// comment, the FORM element with the three values as typed, the design, and
// the closing marker; lines joined by CR LF, none after the last.
QString formCode(const QString &name, const QString &method, const QString &action,
                 const QString &design);
