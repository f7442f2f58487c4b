#pragma once

#include "platform/windowdirectory.h"

#include <QColor>
#include <QWidget>

class QListWidget;
class QPushButton;

// "EditProps": the source text area's font, size and background colour,
// applied while the user picks them; Close keeps the font choice.
class EditPropsWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit EditPropsWindow(QWidget *parent = nullptr);

    void load() override;

    // The colour of a name in listContrast; invalid for any other text.
    static QColor contrastColor(const QString &name);

    QListWidget *listFont = nullptr;
    QListWidget *listSize = nullptr;
    QListWidget *listContrast = nullptr;
    QPushButton *OKButton = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onFontClick();
    void onSizeClick();
    void onContrastClick();
    void onClose();
};
