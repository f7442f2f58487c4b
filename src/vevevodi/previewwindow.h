#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class HtmlEditView;
class QTimer;

// The preview window "TheBrowser": the page in browse mode, with its scripts
// running, standing in for the window that opened it until it is closed.
class PreviewWindow : public QWidget, public LoadStep
{
    Q_OBJECT
    Q_PROPERTY(QString compOrEdit MEMBER compOrEdit)

public:
    PreviewWindow();

    void load() override;

    // Shows page, the document of the window that opened the preview.
    void showPage(const QString &page);

    // The window to return to: "edit" the source window, anything else the
    // main composer window.
    QString compOrEdit;

    HtmlEditView *previewer = nullptr;
    QTimer *Timer1 = nullptr;  // reveals the window, one-shot

    static inline const QString caption = QStringLiteral("Preview : Quorl Vevevodi");

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void reveal();

    QString m_page;
    bool m_hasPage = false;
};

// The one preview window, created and loaded on first use.
PreviewWindow *TheBrowser();
