#include "formdesigner/designerhelp.h"

#include "formdesigner/designerwindow.h"

#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStringList>
#include <QVBoxLayout>

namespace {

const QHash<QString, QStringList> &topics()
{
    static const QHash<QString, QStringList> table = {
        {"Overview",
         {"Ombrel lets you design a form visually: place any element anywhere in the work "
          "area and it stays where you put it.",
          "A rectangular box is present by default. Arranging your elements inside it is "
          "recommended; if you do not want it, select it and delete it. The buttons above "
          "explain each element when you click them.",
          "To move an element, select it and drag it; the cursor keys move a selected element "
          "finely, one pixel at a time.",
          "File > Preview shows the form as a live page (choose it again to return to "
          "designing). After generating the code you can export or copy it. A half-finished "
          "form can be saved and opened later to carry on. More tips are under the Help menu."}},
        {"btnButton",
         {"Buttons add interactivity to a form: they can navigate to another page or send "
          "the information the user entered.",
          "The dialog lets you choose a normal button, a submit button or a reset button and "
          "give it its text.",
          "The button shows up in the generated field. Drag it from there into the main work "
          "area, preferably within the rectangular boundary.",
          "To edit its text, click it to select it, click again to edit and click outside to "
          "keep the change. Resize it by dragging the nodes around it."}},
        {"btnCheckBox",
         {"Check boxes let the user select options when more than one can be chosen. The "
          "dialog is shared with the radio button.",
          "Insert the check box and drag it into the main field. A click on the placed check "
          "box toggles whether it is checked by default."}},
        {"btnDropDown",
         {"A drop down box offers many options of which the user chooses one, and it saves "
          "space on the form.",
          "Enter its name and the points, pressing Enter or the add button after each; a "
          "point can be removed again.",
          "Insert puts the box into the generated field, from where you drag it into the "
          "rectangular box."}},
        {"btnFieldSet",
         {"A fieldset groups related controls, such as a user name and a password; give it a "
          "caption and choose the caption's alignment, then drag the generated field into "
          "the main area."}},
        {"btnFile",
         {"A browse box lets the user pick a file from the computer: fill in the dialog, "
          "click Insert, select the box below and drag it into the main area."}},
        {"btnGenerate",
         {"Generates the HTML code of your form; only the form's name and action are "
          "needed."}},
        {"btnHidden",
         {"Hidden fields are not seen by the users; they carry information for processing "
          "the form. Fill in the dialog, click Insert and drag the field into the main area, "
          "preferably into the rectangle."}},
        {"btnLabel",
         {"Labels display text next to the fields, telling the user what to enter.",
          "The label shows up in the generated field; drag it from there into the main work "
          "area.",
          "To edit its text in place, click the label to select it, click again and type; "
          "click outside to keep the text."}},
        {"btnListBox",
         {"A list box shows options of which the user chooses one or several. It shows five "
          "rows by default; the size field changes that.",
          "Enter the points as for the drop down box and tick multiple selection when more "
          "than one may be chosen.",
          "Insert it, drag it into the main area, and select points in the placed list to "
          "have them preselected."}},
        {"btnRadio",
         {"Radio buttons let the user select one option among many. The dialog is shared "
          "with the check box.",
          "Insert the button and drag it into place; a click on the placed button makes it "
          "the one selected by default."}},
        {"btnText",
         {"A text box collects one line of information from the user, such as a name.",
          "Fill in the dialog; the text box then shows up in the generated field, from where "
          "you drag it into the main work area.",
          "Edit its default text in place, and resize it by dragging the nodes around it."}},
        {"btnTextArea",
         {"A text area is a text box of several lines with a default text, a width in "
          "characters and a height in lines; the size can be changed later by dragging the "
          "nodes.",
          "The Advanced/Style part of the dialog sets the text colour, the font and the "
          "background colour once the use-style check box is ticked.",
          "You can change the size and the default content visually after placing it."}},
    };
    return table;
}

} // namespace

QString DesignerHelp::text(const QString &topic)
{
    QStringList paragraphs;
    for (const QString &p : topics().value(topic))
        paragraphs << QStringLiteral("   ") + p;
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

DesignerHelp::DesignerHelp()
{
    setObjectName(QStringLiteral("OHelp"));
    setWindowTitle(QStringLiteral("Ombrel: Help"));
    resize(560, 420);

    auto *buttons = new QGridLayout;
    int i = 0;
    for (const ElementButton &b : kElementButtons) {
        auto *button = new QPushButton(QLatin1String(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(QLatin1String(b.tip));
        const QString topic = QLatin1String(b.name);
        connect(button, &QPushButton::clicked, this,
                [this, topic] { lblHelp->setText(text(topic)); });
        buttons->addWidget(button, i / 6, i % 6);
        ++i;
    }
    lblHelp = new QLabel(this);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setWordWrap(true);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(lblHelp);
    scroll->setWidgetResizable(true);
    OKButton = new QPushButton(QStringLiteral("Close"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    connect(OKButton, &QPushButton::clicked, this,
            [] { WindowDirectory::unload(QStringLiteral("OHelp")); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scroll, 1);
    layout->addWidget(OKButton, 0, Qt::AlignRight);
}

void DesignerHelp::load()
{
    lblHelp->setText(text(QStringLiteral("Overview")));
}
