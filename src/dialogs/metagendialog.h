#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/documentedit.h"

// What the meta generator's fields hold; the lists start at their first items.
struct MetaValues {
    QString title;
    QString author;
    QString subject;
    QString description;
    QString keywords;
    QString abstractText;
    QString designer;
    QString publisher;
    QString cache = QStringLiteral("Cache");
    QString rating = QStringLiteral("General - Safe for Kids");
    QString distribution = QStringLiteral("Global");
    QString robots = QStringLiteral("All robots index and follow links");
    QString revisit;
    QString copyright;
};

// The META block between its two marker lines, every line ending in CR LF.
QString metaBlock(const MetaValues &values);

// The page with the block right before its first "</head>"; refused when
// the page has none.
DocumentEdit metaEdit(const QString &text, const MetaValues &values);

// The meta generator "MetaGen".
class MetaGenDialog : public DialogFrame
{
    Q_OBJECT

public:
    MetaGenDialog();

    MetaValues values() const;

    QLineEdit *txtTitle = nullptr;
    QLineEdit *txtAuthor = nullptr;
    QLineEdit *txtSubject = nullptr;
    QLineEdit *txtDesc = nullptr;
    QLineEdit *txtKeywords = nullptr;
    QLineEdit *txtAbstract = nullptr;
    QLineEdit *txtDesigner = nullptr;
    QLineEdit *txtPublisher = nullptr;
    QLineEdit *txtRevisit = nullptr;
    QLineEdit *txtCopyright = nullptr;
    QComboBox *cmbCache = nullptr;
    QComboBox *cmbRating = nullptr;
    QComboBox *cmbDistribution = nullptr;
    QComboBox *cmbRobots = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void onOK();
};
