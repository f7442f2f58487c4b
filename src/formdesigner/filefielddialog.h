#pragma once

#include "formdesigner/formfielddialog.h"

// What the file upload dialog's fields hold.
struct FileFieldValues {
    QString name{};
    QString value{};
    QString size{};
    QString tabIndex{};
};

// The INPUT of type file; tagEnd closes its tag.
QString fileFieldHtml(const FileFieldValues &values, const QString &tagEnd = QStringLiteral(">"));

// "formFile", and the designer's "OformFile".
class FileFieldDialog : public FormFieldDialog
{
    Q_OBJECT

public:
    explicit FileFieldDialog(Variant variant = Variant::Document);

    FileFieldValues values() const;

    QLineEdit *txtDefault = nullptr;
    QLineEdit *txtSize = nullptr;
    QLineEdit *txtTab = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnHelp = nullptr;
};
