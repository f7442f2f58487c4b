#include "platform/settingsstore.h"

#include <QSet>
#include <QSettings>

namespace {

QSet<QString> &usedApplications()
{
    static QSet<QString> apps;
    return apps;
}

QSettings open(const QString &app)
{
    usedApplications().insert(app);
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QStringLiteral("Quorl Vevevodi"), app);
}

QString keyPath(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

} // namespace

QString SettingsStore::value(const QString &section, const QString &key,
                             const QString &defaultValue)
{
    return value(application, section, key, defaultValue);
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    setValue(application, section, key, value);
}

QString SettingsStore::value(const QString &app, const QString &section, const QString &key,
                             const QString &defaultValue)
{
    return open(app).value(keyPath(section, key), defaultValue).toString();
}

void SettingsStore::setValue(const QString &app, const QString &section, const QString &key,
                             const QString &value)
{
    open(app).setValue(keyPath(section, key), value);
}

void SettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    open(app).remove(keyPath(section, key));
}

void SettingsStore::sync()
{
    usedApplications().insert(application);
    for (const QString &app : std::as_const(usedApplications()))
        open(app).sync();
}

void SettingsStore::setLocationForTests(const QString &folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
