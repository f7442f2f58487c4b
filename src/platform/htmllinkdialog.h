#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// The editing control's own hyperlink dialog: an A element at the caret,
// for when nothing is selected to make a link of.
class HtmlLinkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HtmlLinkDialog(QWidget *parent = nullptr);

    // The text shown is the address itself when no text is given.
    static QString markup(const QString &address, const QString &text, const QString &target);
    QString markup() const;

    QLineEdit *txtAddress = nullptr;
    QLineEdit *txtText = nullptr;
    QComboBox *cmbTarget = nullptr;
};
