#pragma once

#include <QString>

// The per-user settings store: string values addressed by application,
// section and key, with a default for a missing value (INI file, user scope).
class SettingsStore
{
public:
    static inline const QString application = QStringLiteral("Quorl Vevevodi 3.0");

    static QString value(const QString &section, const QString &key,
                         const QString &defaultValue = QString());
    static void setValue(const QString &section, const QString &key, const QString &value);

    static QString value(const QString &app, const QString &section, const QString &key,
                         const QString &defaultValue);
    static void setValue(const QString &app, const QString &section, const QString &key,
                         const QString &value);
    static void remove(const QString &app, const QString &section, const QString &key);

    // Writes pending values of every application name used so far.
    static void sync();

    // Tests keep their settings in a folder of their own.
    static void setLocationForTests(const QString &folder);
};
