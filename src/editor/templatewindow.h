#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class HtmlEditView;
class QLabel;
class QListWidget;
class QPushButton;

// "templates": the template manager. Lists the templates folder, previews
// the clicked template and opens it in the composer as a new document.
class TemplateManager : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit TemplateManager(QWidget *parent = nullptr);

    void load() override;

    // Lists the folder anew; false when the folder is missing.
    bool fill();
    void preview();
    void openTemplate();

    QListWidget *listTemplates = nullptr;
    HtmlEditView *PrevTemplate = nullptr;
    QLabel *lblChoose = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString currentName() const;
};
