#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAbstractButton;
class QComboBox;
class QLineEdit;

// A dialog's values in one section of the settings store. The first key is
// "Remember", tied to the dialog's own check box: its values come back on
// opening only when it was stored as ticked, and unticking it on OK stores
// nothing but that.
class DialogMemory
{
public:
    DialogMemory(const QString &section, QAbstractButton *remember,
                 const QString &rememberDefault = QStringLiteral("0"));

    // Keys in the order they are restored and stored.
    void text(const QString &key, const QString &defaultValue, QLineEdit *field);
    void comboText(const QString &key, const QString &defaultValue, QComboBox *combo);
    // A tick stored as "1" or "0".
    void tick(const QString &key, const QString &defaultValue, QAbstractButton *box);
    // An option pair stored as "True" (first selected) or "False".
    void option(const QString &key, const QString &defaultValue, QAbstractButton *whenTrue,
                QAbstractButton *whenFalse);

    void restore() const;
    void store() const;

    // A stored text read as a truth: "True"/"False" in any case, or a number
    // other than zero.
    static bool truth(const QString &value);

private:
    struct Key {
        QString name;
        QString defaultValue;
        std::function<QString()> read;
        std::function<void(const QString &)> write;
    };
    void add(const QString &name, const QString &defaultValue, std::function<QString()> read,
             std::function<void(const QString &)> write);

    QString m_section;
    QAbstractButton *m_remember;
    QList<Key> m_keys;
};
