#include "sitetools/boxmaker.h"

#include "platform/htmleditview.h"
#include "platform/prompter.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

BoxMaker::BoxMaker()
    : BoxBorderDialog(QStringLiteral("BMBoxProps"),
                      QStringLiteral("Box Maker: By Korrandel   [Visual Rectangular Box "
                                     "Designer and HTML Code generator]"))
{
    tagbar = new HtmlEditView(this);
    tagbar->setObjectName(QStringLiteral("tagbar"));
    tagbar->setMinimumSize(360, 260);
    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    btnGenHTML = button(QStringLiteral("btnGenHTML"), QStringLiteral("Insert"));
    CancelButton = cancelButton();
    CancelButton->setText(QStringLiteral("Exit"));
    btnHelp = helpButton(QStringLiteral("boxmaker.qhp"));
    btnHelp->setText(QStringLiteral("?"));
    btnHelp->setToolTip(QStringLiteral("Show Help"));
    connect(OKButton, &QPushButton::clicked, this, &BoxMaker::preview);
    connect(btnGenHTML, &QPushButton::clicked, this, &BoxMaker::Insert);

    // A change in a group chooses that group's option; the options alone
    // rebuild nothing.
    watchBorderFields([this](bool individual) {
        (individual ? radIndiBorder : radAllBorder)->setChecked(true);
        preview();
    });
    connect(txtBGColour, &QLineEdit::textChanged, this, &BoxMaker::preview);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(btnGenHTML);
    buttons->addWidget(CancelButton);
    auto *fields = new QVBoxLayout;
    fields->addWidget(borderControls());
    fields->addWidget(backgroundControls(QStringLiteral("Label1")));
    fields->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(tagbar, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void BoxMaker::load()
{
    preview();
    BoxBorderDialog::load();
}

void BoxMaker::preview()
{
    tagbar->setDocumentHtml(boxMakerHtml(txtBGColour->text(), borders()));
}

void BoxMaker::Insert()
{
    const auto body = tagbar->bodyHtml();
    if (!body) {
        Prompter::tell(QStringLiteral("The preview did not answer in time. Please try again."),
                       QStringLiteral("Box Maker"), Prompter::Icon::Exclamation);
        return;
    }
    InsertHtml(*body);
    unload();
}
