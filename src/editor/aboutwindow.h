#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QLabel;

// "frmAbout": the program's picture and a few words about it and its maker;
// a click anywhere closes it.
class AboutWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    void load() override;

    static QString aboutText();
    static QPixmap logo();

    QLabel *picLogo = nullptr;
    QLabel *lblAbout = nullptr;

    static inline const QString makerName = QStringLiteral("Korrandel");
    static inline const QString makerMail = QStringLiteral("korrandel@example.org");
    static inline const QString makerSite = QStringLiteral("https://www.example.org/korrandel");

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
