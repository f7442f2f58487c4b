#include "sitetools/layouthelp.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Topic {
    const char *button;
    const char *caption;
    const char *text;
};

// The texts as the program has always shown them, slips included.
constexpr Topic kTopics[] = {
    {"btnIntro", "Introduction",
     "   Layout Manager is a useful tool using which you can design the layout of your page. A "
     "layout is a general page, more like the skeleton of a page. You can define the various "
     "regions of your pages using boxes - and anything that has to be placed in your page, "
     "will be in these boxes. Layout Manager allows you to create any type of rectangular "
     "boxes and place them wherever you want to with great precision. Placing of the boxes in "
     "a wise manner can allow you to properly define your page. Once your layout is complete, "
     "you can insert it into your main page, and then edit and do other things."},
    {"btnAddNew", "Add New Box",
     "   To add a new box, click on the Add new box buton. This opens a dialog. You can choose "
     "one of the two types of formatting - either select formatting for the whole box with "
     "every border having same format style, or edit and format each border individually. "
     "After selecting the right option first, choose the type of border that you want as "
     "specified the border colour and thickness. You can also choose the background colour "
     "of the box. Once you are done with all the attributes, click on OK to insert."
     "\r\n\r\n"
     "   The box with your chosen attributes now appears in the small box on the left side. "
     "Select the box and drag it into the main area, and place it wherever you want. Drag and "
     "pull to alter the dimensions of the box. Repeat the same procedure each time you want "
     "to insert a box."
     "\r\n\r\n"
     "   If you give your box a name, then you can later use Style Sheet Creator to apply "
     "style sheets accordingly by using this name."},
    {"btnLoadSave", "Load/Save",
     "   Layout manager initially provides you with four sample layouts and a whole lot of "
     "power to create any kind of layouts as you want to. If you have created a layout and "
     "want to use it again and again, then click on Save Layout after your layout is ready. "
     "Save your layout as a Layout Manager File \"*.lyt\" and that's all. Next time you want "
     "to load the layout, click on the Load Layout button and select the file."},
    {"btnEditHTML", "Edit HTML",
     "   Layout Manager allows you to visually create Layouts. But if you feel the requirement "
     "to edit the HTML Code of the layout before implementing it, then you can do so by "
     "clicking on the button and then editing the required code. Once done, your finished "
     "work will appear in the Visual Interface again."},
    {"btnFinal", "Final",
     "   Once you are done with all the Layout creating and editing, just click on Use "
     "Layout. If you want to save your layout, then you can do it before using the Layout."},
};

} // namespace

QString LayoutHelp::text(const QString &button)
{
    for (const Topic &t : kTopics)
        if (button == QLatin1String(t.button))
            return QString::fromLatin1(t.text);
    return QString();
}

LayoutHelp::LayoutHelp()
{
    setObjectName(QStringLiteral("LHelp"));
    setWindowTitle(QStringLiteral("Layout: Help"));
    resize(560, 340);

    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelp->setFont(QFont(QStringLiteral("Trebuchet MS"), 10));

    auto *buttons = new QHBoxLayout;
    for (const Topic &t : kTopics) {
        auto *b = new QPushButton(QLatin1String(t.caption), this);
        b->setObjectName(QLatin1String(t.button));
        const QString shown = QString::fromLatin1(t.text);
        connect(b, &QPushButton::clicked, this, [this, shown] { txtHelp->setPlainText(shown); });
        buttons->addWidget(b);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp, 1);
}

void LayoutHelp::load()
{
    txtHelp->setPlainText(text(QStringLiteral("btnIntro")));
}

void LayoutHelp::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (WindowDirectory::loaded(objectName()) == this)
        WindowDirectory::unload(objectName());
}
