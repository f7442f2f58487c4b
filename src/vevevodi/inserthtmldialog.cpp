#include "vevevodi/inserthtmldialog.h"

#include "editor/optfunctions.h"
#include "vevevodi/composerwindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

InsertHtmlDialog::InsertHtmlDialog()
{
    setObjectName(QStringLiteral("insHTML"));
    setWindowTitle(QStringLiteral("Insert HTML Into Vevevodi : Quorl"));
    theTags = new QPlainTextEdit(this);
    theTags->setObjectName(QStringLiteral("theTags"));
    Label1 = new QLabel(
        QStringLiteral("Example:   <b> Some text </b>   - This appears in the composer"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(theTags, 0, 0, 3, 1);
    grid->addWidget(OKButton, 0, 1);
    grid->addWidget(CancelButton, 1, 1);
    grid->addWidget(Label1, 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    resize(520, 260);

    connect(OKButton, &QPushButton::clicked, this, &InsertHtmlDialog::ok);
    connect(CancelButton, &QPushButton::clicked, this,
            [this] { WindowDirectory::unload(objectName()); });
}

void InsertHtmlDialog::load()
{
    MakeTopmost(this);
}

void InsertHtmlDialog::closeEvent(QCloseEvent *event)
{
    // Closed from its frame it is unloaded as by Cancel: the next opening is empty.
    QWidget::closeEvent(event);
    WindowDirectory::unload(objectName());
}

void InsertHtmlDialog::ok()
{
    // Also an empty text goes the composer route.
    Composr()->stageInsertion(theTags->toPlainText());
    WindowDirectory::unload(objectName());
}
