#include "dialogs/targetwindow.h"

#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QString targetAttribute(const QString &entry)
{
    static const QHash<QString, QString> targets = {{"Same Frame", "_self"},
                                                    {"Whole Page", "_top"},
                                                    {"New Window", "_blank"},
                                                    {"Parent Frame", "_parent"}};
    const QString target = targets.value(entry);
    return target.isEmpty() ? QString() : QStringLiteral(" target=\"") + target + u'"';
}

TargetWindow::TargetWindow()
{
    setObjectName(QStringLiteral("target"));
    setWindowTitle(QStringLiteral("Target Frame"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(QStringLiteral("Standard targets"), this));
    listTarget = new QListWidget(this);
    listTarget->setObjectName(QStringLiteral("listTarget"));
    listTarget->addItems(entries);
    listTarget->setFixedHeight(listTarget->sizeHintForRow(0) * (entries.size() + 1));
    layout->addWidget(listTarget);
    layout->addWidget(new QLabel(QStringLiteral("Target"), this));
    txtTarget = new QLineEdit(this);
    txtTarget->setObjectName(QStringLiteral("txtTarget"));
    layout->addWidget(txtTarget);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Close"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    connect(listTarget, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem *item = listTarget->currentItem())
            txtTarget->setText(targetAttribute(item->text()));
    });
    connect(OKButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(CancelButton, &QPushButton::clicked, this, &TargetWindow::unload);
}

void TargetWindow::load()
{
    MakeTopmost(this);
}

void TargetWindow::unload()
{
    if (WindowDirectory::loaded(objectName()) == this)
        WindowDirectory::unload(objectName());
}

void TargetWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}
