#include "formdesigner/designeredithtml.h"

#include "dialogs/colourbutton.h"
#include "formdesigner/designerwindow.h"
#include "platform/clipboard.h"
#include "platform/screenfonts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <class T>
T *named(T *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

DesignerEditHtml::DesignerEditHtml()
{
    setObjectName(QStringLiteral("OeditHTML"));
    setWindowTitle(QStringLiteral("Ombrel: Edit HTML"));
    resize(720, 480);

    txtCode = named(new QPlainTextEdit(this), "txtCode");
    txtCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    OKButton = named(new QPushButton(QStringLiteral("OK"), this), "OKButton");
    CancelButton = named(new QPushButton(QStringLiteral("Cancel"), this), "CancelButton");

    Frame1 = named(new QGroupBox(QStringLiteral("Font Family"), this), "Frame1");
    listFont = named(new QListWidget(Frame1), "listFont");
    (new QVBoxLayout(Frame1))->addWidget(listFont);

    frmColour = named(new QGroupBox(QStringLiteral("Hex Colour Code Generator"), this),
                      "frmColour");
    btnPalete = named(new QPushButton(QStringLiteral("Show Palette"), frmColour), "btnPalete");
    txtColour = named(new QLineEdit(frmColour), "txtColour");
    btnClip = named(new QPushButton(QStringLiteral("Copy to clipboard"), frmColour), "btnClip");
    auto *colour = new QVBoxLayout(frmColour);
    colour->addWidget(btnPalete);
    colour->addWidget(txtColour);
    colour->addWidget(btnClip);

    auto *side = new QVBoxLayout;
    side->addWidget(Frame1, 1);
    side->addWidget(frmColour);
    side->addWidget(OKButton);
    side->addWidget(CancelButton);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(txtCode, 1);
    layout->addLayout(side);

    connect(OKButton, &QPushButton::clicked, this, [this] {
        ombrel()->setDesign(txtCode->toPlainText());
        unload();
    });
    connect(CancelButton, &QPushButton::clicked, this, &DesignerEditHtml::unload);
    connect(btnPalete, &QPushButton::clicked, this,
            [this] { ColourButton::fillText(ComDlg, txtColour); });
    connect(btnClip, &QPushButton::clicked, this, [this] {
        Clipboard::clear();
        Clipboard::setText(txtColour->text());
    });
}

DesignerEditHtml::~DesignerEditHtml()
{
    // However this window goes, the designer comes back.
    if (QWidget *designer = WindowDirectory::loaded(QStringLiteral("ombrel")))
        designer->show();
}

void DesignerEditHtml::load()
{
    listFont->addItems(screenFontFamilies());
}

void DesignerEditHtml::setCode(const QString &text)
{
    txtCode->setPlainText(text);
}

void DesignerEditHtml::unload()
{
    // Hidden first: while it shows, the designer will not.
    hide();
    if (QWidget *designer = WindowDirectory::loaded(QStringLiteral("ombrel")))
        designer->show();
    if (WindowDirectory::loaded(objectName()) == this)
        WindowDirectory::unload(objectName());
    else
        close();
}

void DesignerEditHtml::closeEvent(QCloseEvent *event)
{
    event->accept();
    unload();
}
