#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWebEnginePage;

// The editing control's own find dialog: finds text in the page, again with
// Find Next, forwards or backwards, with or without matching case.
class HtmlFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HtmlFindDialog(QWebEnginePage *page, QWidget *parent = nullptr);

    void findNext();

    QLineEdit *txtFind = nullptr;
    QCheckBox *chkMatchCase = nullptr;
    QCheckBox *chkBackwards = nullptr;
    QLabel *lblResult = nullptr;

Q_SIGNALS:
    // After each search: whether the text was found.
    void searched(bool found);

private:
    QWebEnginePage *m_page;
};
