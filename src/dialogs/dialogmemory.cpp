#include "dialogs/dialogmemory.h"

#include "platform/settingsstore.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

DialogMemory::DialogMemory(const QString &section, QAbstractButton *remember,
                           const QString &rememberDefault)
    : m_section(section)
    , m_remember(remember)
{
    tick(QStringLiteral("Remember"), rememberDefault, remember);
}

void DialogMemory::add(const QString &name, const QString &defaultValue,
                       std::function<QString()> read, std::function<void(const QString &)> write)
{
    m_keys.append({name, defaultValue, std::move(read), std::move(write)});
}

void DialogMemory::text(const QString &key, const QString &defaultValue, QLineEdit *field)
{
    add(key, defaultValue, [field] { return field->text(); },
        [field](const QString &v) { field->setText(v); });
}

void DialogMemory::comboText(const QString &key, const QString &defaultValue, QComboBox *combo)
{
    add(key, defaultValue, [combo] { return combo->currentText(); },
        [combo](const QString &v) { combo->setEditText(v); });
}

void DialogMemory::tick(const QString &key, const QString &defaultValue, QAbstractButton *box)
{
    add(key, defaultValue,
        [box] { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); },
        [box](const QString &v) { box->setChecked(truth(v)); });
}

void DialogMemory::option(const QString &key, const QString &defaultValue,
                          QAbstractButton *whenTrue, QAbstractButton *whenFalse)
{
    add(key, defaultValue,
        [whenTrue] { return whenTrue->isChecked() ? QStringLiteral("True")
                                                  : QStringLiteral("False"); },
        [whenTrue, whenFalse](const QString &v) {
            (truth(v) ? whenTrue : whenFalse)->setChecked(true);
        });
}

bool DialogMemory::truth(const QString &value)
{
    const QString v = value.trimmed();
    if (v.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const double number = v.toDouble(&ok);
    return ok && number != 0;
}

void DialogMemory::restore() const
{
    const Key &remember = m_keys.first();
    if (!truth(SettingsStore::value(m_section, remember.name, remember.defaultValue)))
        return;
    for (const Key &key : m_keys)
        key.write(SettingsStore::value(m_section, key.name, key.defaultValue));
}

void DialogMemory::store() const
{
    const qsizetype count = m_remember->isChecked() ? m_keys.size() : 1;
    for (qsizetype i = 0; i < count; ++i)
        SettingsStore::setValue(m_section, m_keys.at(i).name, m_keys.at(i).read());
}
