#pragma once

#include "dialogs/insertroute.h"
#include "platform/windowdirectory.h"

#include <QPair>
#include <QWidget>

// The console's code box as the dialogs write into it, registered under the
// console's name; it records what is selected and focused.
class FakeConsole : public QWidget, public ConsoleCode
{
public:
    QString code() const override { return m_code; }
    void setCode(const QString &text) override { m_code = text; }
    void setSelText(const QString &text) override { m_code += text; }
    qsizetype selStart() const override { return m_code.size(); }
    void select(qsizetype start, qsizetype length) override { selection = {start, length}; }
    void focusCode() override { focused = true; }

    static FakeConsole *touch()
    {
        return dynamic_cast<FakeConsole *>(WindowDirectory::touch(QStringLiteral("JSConsole")));
    }

    QPair<qsizetype, qsizetype> selection{-1, -1};
    bool focused = false;

private:
    QString m_code;
};
