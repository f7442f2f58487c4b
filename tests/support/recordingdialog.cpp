#include "support/recordingdialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

RecordingDialog::RecordingDialog()
{
    auto *heading = new QLineEdit(this);
    heading->setObjectName("txtHeading");
    connect(heading, &QLineEdit::textChanged, this,
            [this](const QString &t) { log << "txtHeading=" + t; });
    for (const char *name : {"radBul", "radNum", "radYes", "radNo"}) {
        auto *radio = new QRadioButton(this);
        radio->setObjectName(name);
    }
    for (const char *name : {"listTypeBul", "listTypeNum"}) {
        auto *list = new QListWidget(this);
        list->setObjectName(name);
        list->addItems({"a", "b"});
    }
}

void RecordingDialog::setCompOrEdit(const QString &target)
{
    m_target = target;
    log << "compOrEdit=" + target;
}
