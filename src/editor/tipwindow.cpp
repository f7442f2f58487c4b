#include "editor/tipwindow.h"

#include "platform/settingsstore.h"
#include "platform/windowplacement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *newTipLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblTipText"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(80);
    return label;
}

} // namespace

TipWindow::TipWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), lblTipText(newTipLabel(this)), m_tips(lblTipText)
{
    setWindowTitle(QStringLiteral("Tip of the Day: Quorl Vevevodi"));

    auto *didYouKnow = new QLabel(QStringLiteral("Did you know..."), this);
    QFont bold = didYouKnow->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    didYouKnow->setFont(bold);

    chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    cmdNextTip = new QPushButton(QStringLiteral("&Next Tip"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    connect(chkLoadTipsAtStartup, &QCheckBox::clicked, this, [this] {
        SettingsStore::setValue(section, key,
                                chkLoadTipsAtStartup->isChecked() ? QStringLiteral("1")
                                                                  : QStringLiteral("0"));
    });
    connect(cmdNextTip, &QPushButton::clicked, this, [this] { m_tips.ShowRandomTip(); });
    connect(cmdOK, &QPushButton::clicked, this,
            [this] { WindowDirectory::unload(objectName()); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup);
    buttons->addStretch(1);
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(didYouKnow);
    layout->addWidget(lblTipText, 1);
    layout->addLayout(buttons);
    resize(440, 220);
}

void TipWindow::load()
{
    // The Help command shows the window whatever the setting: the box in it
    // is the only way back to tips once they were switched off. A value that
    // is not a number counts as the default.
    bool ok = false;
    const int v = SettingsStore::value(section, key, QStringLiteral("1")).trimmed().toInt(&ok);
    chkLoadTipsAtStartup->setChecked(!ok || v != 0);
    m_tips.loadProgramTips();
    MakeTopmost(this);
}

void TipWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    WindowDirectory::unload(objectName());
}
