#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

// "frmSplash": the program's first window. Its timer steps it through ten
// stages; the fifth shows the composer, the last opens the start-up
// assistant (unless it was switched off) and unloads the splash.
class SplashWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

    void load() override;

    // One step of the timer: runs the stage of the counter and moves it on.
    void tick();
    int step() const { return m_step; }

    QLabel *picture = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QLabel *lblStatus = nullptr;
    QTimer *Timer_Progress = nullptr;

    static QPixmap splashPicture();

private:
    void finish();

    int m_step = 0;
};
