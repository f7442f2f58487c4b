#pragma once

#include "dialogs/dialogframe.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// Stands in for an INPUT field dialog (text box, button, option button, file)
// where the console opens one: it takes the console's option presets and
// hands its start tag to the console left open, followed by a blank.
class FieldStandIn : public DialogFrame
{
public:
    explicit FieldStandIn(const QString &name) : DialogFrame(name, name)
    {
        for (const char *option : {"radButton", "radSubmit", "radReset", "radRadio",
                                   "radCheckbox", "radYes", "radNo"})
            m_options.append(optionButton(QLatin1String(option), QLatin1String(option)));
        txtName = textField(QStringLiteral("txtName"));
        btnInsert = button(QStringLiteral("btnInsert"), QStringLiteral("Insert"));
        connect(btnInsert, &QPushButton::clicked, this, [this] {
            InsertHtml(QStringLiteral("<INPUT type=\"") + type() + QStringLiteral("\" name=\"")
                       + txtName->text() + QStringLiteral("\" "));
            unload();
        });
    }

    // The option the opener chose, or empty.
    QString option() const
    {
        for (const QRadioButton *o : m_options) {
            if (o->isChecked())
                return o->objectName();
        }
        return QString();
    }

    QLineEdit *txtName = nullptr;
    QPushButton *btnInsert = nullptr;

private:
    QString type() const
    {
        const QString chosen = option();
        if (chosen == u"radYes")
            return QStringLiteral("password");
        if (chosen == u"radNo" || chosen.isEmpty())
            return objectName() == u"formFile" ? QStringLiteral("file") : QStringLiteral("text");
        return chosen.mid(3).toLower();
    }

    QList<QRadioButton *> m_options;
};
