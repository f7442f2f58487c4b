#pragma once

#include "editor/tips.h"
#include "platform/windowdirectory.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

// "frmTip": one random line of the tips file, another on request, and the
// switch that remembers whether tips are wanted.
class TipWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit TipWindow(QWidget *parent = nullptr);

    void load() override;

    bool LoadTips(const QString &path) { return m_tips.LoadTips(path); }
    void DisplayCurrentTip() { m_tips.DisplayCurrentTip(); }
    const Tips &tips() const { return m_tips; }

    QCheckBox *chkLoadTipsAtStartup = nullptr;
    QPushButton *cmdNextTip = nullptr;
    QPushButton *cmdOK = nullptr;
    QLabel *lblTipText = nullptr;

    static inline const QString section = QStringLiteral("Options");
    static inline const QString key = QStringLiteral("Show Tips at Startup");

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Tips m_tips;
};
