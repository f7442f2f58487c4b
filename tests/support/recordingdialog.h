#pragma once

#include "platform/windowdirectory.h"

#include <QStringList>
#include <QWidget>

// A stand-in registered under a dialog's name in tests: it has the target
// field and a few of the controls openers write, and records in order what
// is done to it.
class RecordingDialog : public QWidget, public LoadStep
{
    Q_OBJECT
    Q_PROPERTY(QString compOrEdit READ compOrEdit WRITE setCompOrEdit)

public:
    RecordingDialog();
    void load() override { log << "load"; }
    QString compOrEdit() const { return m_target; }
    void setCompOrEdit(const QString &target);

    QStringList log;

protected:
    void showEvent(QShowEvent *) override { log << "show"; }

private:
    QString m_target;
};
