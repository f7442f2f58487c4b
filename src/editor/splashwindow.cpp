#include "editor/splashwindow.h"

#include "editor/aboutwindow.h"
#include "editor/openers.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "platform/windowplacement.h"
#include "vevevodi/composerwindow.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Progress and status text of stages 0 to 8; a null text leaves the label.
struct Stage {
    int progress;
    const char *status;
};

constexpr Stage kStages[] = {
    {10, "Initialising Vevevodi and Editor"},
    {20, "Generating Scripts For Action And Crash Save"},
    {30, "Initialising Vevevodi and Editor"},
    {40, "Starting Vevevodi"},
    {50, nullptr},
    {60, "Loading Additional Tools and Managers"},
    {70, "Loading Wizards and Help Files"},
    {80, "Starting Quorl Vevevodi 3.0 - By Korrandel"},
    {90, "Please wait...."},
};

const QString kComposer = QStringLiteral("Composr");

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Quorl Vevevodi 3.0"));

    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(splashPicture());

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);

    lblStatus = new QLabel(QStringLiteral("Loading..."), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));

    Timer_Progress = new QTimer(this);
    Timer_Progress->setObjectName(QStringLiteral("Timer_Progress"));
    Timer_Progress->setInterval(417);
    connect(Timer_Progress, &QTimer::timeout, this, &SplashWindow::tick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(picture);
    auto *below = new QVBoxLayout;
    below->setContentsMargins(12, 0, 12, 0);
    below->addWidget(ProgressBar);
    below->addWidget(lblStatus);
    layout->addLayout(below);
}

void SplashWindow::load()
{
    adjustSize();
    if (const QScreen *where = screen())
        move(where->availableGeometry().center() - rect().center());
    MakeTopmost(this);
    Timer_Progress->start();
}

void SplashWindow::tick()
{
    const int stage = m_step++;
    if (stage >= 9) {
        finish();
        return;
    }
    if (stage == 5)
        Openers::showWindow(this);
    ProgressBar->setValue(kStages[stage].progress);
    if (kStages[stage].status)
        lblStatus->setText(QLatin1String(kStages[stage].status));
    if (stage != 4)
        return;
    if (QWidget *composer = WindowDirectory::touch(kComposer)) {
        Openers::showWindow(composer);
        Openers::showWindow(this);
    } else {
        Prompter::tell(QStringLiteral("Error 01:\r\nStart up Error"),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
    }
}

void SplashWindow::finish()
{
    // Whatever happens here, the splash goes: a failing last stage must not
    // tick again.
    Timer_Progress->stop();
    hide();
    if (auto *composer = WindowDirectory::touch<ComposerWindow>(kComposer))
        composer->txtComp->setFocus();
    bool ok = false;
    const double appear = SettingsStore::value(QStringLiteral("StartUp Assistant"),
                                               QStringLiteral("appear"), QStringLiteral("0"))
                              .trimmed()
                              .toDouble(&ok);
    QWidget *assistant = nullptr;
    if (!ok || appear == 0)
        assistant = WindowDirectory::touch(QStringLiteral("StartUp"));
    if (assistant) {
        Openers::showWindow(assistant);
    } else {
        // The assistant fills both Recent menus as it loads; without it
        // they would stay empty until the next open or save.
        Quorl();
        RecentFiles::showKeys(1);
    }
    WindowDirectory::unload(objectName());
}

QPixmap SplashWindow::splashPicture()
{
    const int width = 500;
    const int height = 230;
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(0x17, 0x3f, 0x6e));
    sky.setColorAt(1, QColor(0x2b, 0x7a, 0xb8));
    p.fillRect(pixmap.rect(), sky);

    // Soft bands that echo the lines of a page.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor(255, 255, 255, 14 + i * 4));
        p.drawRoundedRect(QRectF(200 + i * 18, 28 + i * 28, 240 - i * 18, 12), 6, 6);
    }

    p.drawPixmap(28, 58, AboutWindow::logo());

    p.setPen(Qt::white);
    QFont title(QStringLiteral("Trebuchet MS"), 24, QFont::Bold);
    title.setStyleHint(QFont::SansSerif);
    p.setFont(title);
    p.drawText(QRect(158, 70, width - 162, 44), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quorl Vevevodi"));
    QFont sub(QStringLiteral("Trebuchet MS"), 12);
    sub.setStyleHint(QFont::SansSerif);
    p.setFont(sub);
    p.setPen(QColor(0xf2, 0xa9, 0x00));
    p.drawText(QRect(162, 114, width - 170, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version 3.0"));
    p.setPen(QColor(0xdd, 0xe6, 0xf0));
    p.drawText(QRect(162, 140, width - 170, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Web pages, as source and as seen"));
    QFont small(QStringLiteral("Trebuchet MS"), 9);
    small.setStyleHint(QFont::SansSerif);
    p.setFont(small);
    p.drawText(QRect(0, height - 26, width - 14, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("By Korrandel"));
    return pixmap;
}
