#include "sitetools/layoutedithtml.h"

#include "sitetools/layoutmanager.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void showManager()
{
    if (QWidget *manager = WindowDirectory::loaded(QStringLiteral("LManager")))
        manager->show();
}

} // namespace

LayoutEditHtml::LayoutEditHtml()
{
    setObjectName(QStringLiteral("LEditHTML"));
    setWindowTitle(QStringLiteral("Layout: Edit HTML"));
    resize(640, 460);

    txtCode = new QPlainTextEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtCode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtCode, 1);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, [this] {
        if (auto *manager = qobject_cast<LayoutManager *>(
                WindowDirectory::loaded(QStringLiteral("LManager"))))
            manager->setLayoutHtml(txtCode->toPlainText());
        unload();
    });
    connect(CancelButton, &QPushButton::clicked, this, &LayoutEditHtml::unload);
}

LayoutEditHtml::~LayoutEditHtml()
{
    // However this window goes, the layout manager comes back.
    showManager();
}

void LayoutEditHtml::unload()
{
    showManager();
    if (WindowDirectory::loaded(objectName()) == this)
        WindowDirectory::unload(objectName());
    else
        close();
}

void LayoutEditHtml::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}
