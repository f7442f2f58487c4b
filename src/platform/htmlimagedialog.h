#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

// The editing control's own image dialog: source, alternate text, border and
// alignment of an IMG element inserted at the caret.
class HtmlImageDialog : public QDialog
{
    Q_OBJECT

public:
    struct Image {
        QString source;
        QString alt;
        int border = 0;
        QString align;  // empty: none
    };

    // documentFolder lets a chosen file be written relative to the page.
    explicit HtmlImageDialog(const QString &documentFolder, QWidget *parent = nullptr);

    Image image() const;
    static QString markup(const Image &image);

    QLineEdit *txtSource = nullptr;
    QLineEdit *txtAlt = nullptr;
    QSpinBox *txtBorder = nullptr;
    QComboBox *cmbAlign = nullptr;

private:
    void browse();
    QString m_folder;
};
