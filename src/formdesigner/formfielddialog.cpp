#include "formdesigner/formfielddialog.h"

#include "formdesigner/designerwindow.h"
#include "platform/htmlmarkup.h"
#include "platform/prompter.h"
#include "platform/screenfonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// The position of the ">" that closes the start tag of element, whose start
// tag ends in " >"; withoutEnd is the same element with nothing ending it.
qsizetype startTagEnd(const QString &element, const QString &withoutEnd)
{
    // What follows the start tag does not begin with a blank, so the two
    // texts part where the " >" closing it stands.
    const auto parted = std::mismatch(element.begin(), element.end(), withoutEnd.begin(),
                                      withoutEnd.end());
    return parted.first - element.begin() + 1;
}

} // namespace

QString fieldStyle(const FieldStyle &s, const QString &backgroundProperty)
{
    QString declarations;
    if (s.colour != u"none")
        declarations += QStringLiteral("color:") + s.colour + u';';
    if (s.background != u"none")
        declarations += backgroundProperty + u':' + s.background + u';';
    if (s.border)
        declarations += QStringLiteral("border-style:solid;");
    if (s.font)
        declarations += QStringLiteral("font-family:") + *s.font + u';';
    if (s.size)
        declarations += QStringLiteral("font-size:") + *s.size + u';';
    if (s.bold)
        declarations += QStringLiteral("font-weight:bold;");
    if (s.italic)
        declarations += QStringLiteral("font-style:italic;");
    return declarations;
}

QString styleAttribute(const std::optional<FieldStyle> &style, const QString &backgroundProperty)
{
    const QString declarations = style ? fieldStyle(*style, backgroundProperty) : QString();
    return declarations.isEmpty() ? QString() : fieldAttribute("style", declarations);
}

QString fieldAttribute(const char *name, const QString &value)
{
    return HtmlMarkup::attribute(name, value);
}

QString optionalAttribute(const char *name, const QString &value)
{
    return value.isEmpty() ? QString() : fieldAttribute(name, value);
}

FormFieldDialog::FormFieldDialog(const char *name, const char *caption,
                                 const char *designerCaption, Variant variant, Kind kind)
    : DialogFrame(variant == Variant::Designer ? u'O' + QLatin1String(name)
                                               : QString::fromLatin1(name),
                  QLatin1String(variant == Variant::Designer ? designerCaption : caption))
    , m_variant(variant)
    , m_kind(kind)
{
}

QPushButton *FormFieldDialog::confirmButton(const char *name, const char *caption,
                                            const Builder &build)
{
    QPushButton *b = button(QLatin1String(name), QLatin1String(caption));
    onConfirm(b, [this, build] {
        if (nameGiven())
            deliverField(build);
    });
    return b;
}

QPushButton *FormFieldDialog::documentHelp(const QString &page, const char *caption)
{
    if (isDesigner())
        return nullptr;
    QPushButton *b = helpButton(page);
    b->setText(QLatin1String(caption));
    return b;
}

QHBoxLayout *FormFieldDialog::buttonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : buttons) {
        if (b)
            row->addWidget(b);
    }
    return row;
}

QLineEdit *FormFieldDialog::nameField()
{
    txtName = textField(QStringLiteral("txtName"));
    return txtName;
}

bool FormFieldDialog::nameGiven()
{
    if (m_kind.name == NameRule::None || !txtName->text().isEmpty())
        return true;
    const QString assistant = QStringLiteral("Assistant: Quorl");
    switch (m_kind.name) {
    case NameRule::Field:
        Prompter::tell(QStringLiteral("A valid name was not found"), assistant,
                       Prompter::Icon::Exclamation);
        break;
    case NameRule::List:
        Prompter::tell(QStringLiteral("A valid name has not been entered"), assistant,
                       Prompter::Icon::Exclamation);
        break;
    case NameRule::Form:
        Prompter::tell(QStringLiteral("Please enter a valid name"),
                       QStringLiteral("Field Missing"), Prompter::Icon::Exclamation);
        break;
    case NameRule::Hidden:
        Prompter::tell(QStringLiteral("Invalid name"), QStringLiteral("Quorl"),
                       Prompter::Icon::None);
        break;
    case NameRule::None:
        break;
    }
    txtName->setFocus();
    return false;
}

QGroupBox *FormFieldDialog::styleGroup(const StyleLabels &labels)
{
    style.frame = new QGroupBox(QLatin1String(labels.frame), this);
    style.frame->setObjectName(QStringLiteral("frmStyle"));
    auto *grid = style.grid = new QGridLayout(style.frame);
    const auto label = [this](const char *text) {
        return new QLabel(QLatin1String(text), style.frame);
    };
    style.chkUseStyle = checkBox(QLatin1String(labels.checkName), QLatin1String(labels.check));
    style.cmbcolour = comboBox(QStringLiteral("cmbcolour"), colourItems, true,
                               QStringLiteral("none"));
    style.cmbbgcolour = comboBox(QStringLiteral("cmbbgcolour"), colourItems, true,
                                 QStringLiteral("none"));
    style.listFont = comboBox(QStringLiteral("listFont"), screenFontFamilies(), true,
                              QLatin1String(labels.font));
    m_styleSwitched = {style.cmbcolour, style.cmbbgcolour, style.listFont};

    grid->addWidget(style.chkUseStyle, 0, 0, 1, 3);
    grid->addWidget(label("Colour"), 1, 0);
    grid->addWidget(style.cmbcolour, 1, 1);
    grid->addWidget(label(labels.background), 2, 0);
    grid->addWidget(style.cmbbgcolour, 2, 1);
    grid->addWidget(label("Font"), 3, 0);
    grid->addWidget(style.listFont, 3, 1, 1, 2);
    if (labels.size) {
        style.btnColour = colourTextButton(QStringLiteral("btnColour"), style.cmbcolour);
        style.btnBGColour = colourTextButton(QStringLiteral("btnBGColour"), style.cmbbgcolour);
        style.cmbFontSize = comboBox(QStringLiteral("cmbFontSize"), sizeItems, true,
                                     QStringLiteral("14"));
        style.chkBold = checkBox(QStringLiteral("chkBold"), QStringLiteral("Bold"));
        style.chkItalics = checkBox(QStringLiteral("chkItalics"), QStringLiteral("Italics"));
        for (QPushButton *b : {style.btnColour, style.btnBGColour})
            b->setFixedWidth(32);
        grid->addWidget(style.btnColour, 1, 2);
        grid->addWidget(style.btnBGColour, 2, 2);
        grid->addWidget(label(labels.size), 4, 0);
        grid->addWidget(style.cmbFontSize, 4, 1);
        auto *emphasis = new QHBoxLayout;
        emphasis->addWidget(style.chkBold);
        emphasis->addWidget(style.chkItalics);
        grid->addLayout(emphasis, 5, 0, 1, 3);
        m_styleSwitched << style.btnColour << style.btnBGColour << style.cmbFontSize
                        << style.chkBold << style.chkItalics;
        // Tab goes down the group, each colour box's button after it.
        const QList<QWidget *> order = {style.chkUseStyle, style.cmbcolour, style.btnColour,
                                        style.cmbbgcolour, style.btnBGColour, style.listFont,
                                        style.cmbFontSize, style.chkBold, style.chkItalics};
        for (qsizetype i = 1; i < order.size(); ++i)
            QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
    for (QWidget *control : std::as_const(m_styleSwitched))
        control->setEnabled(false);
    connect(style.chkUseStyle, &QCheckBox::toggled, this, [this](bool ticked) {
        for (QWidget *control : std::as_const(m_styleSwitched))
            control->setEnabled(ticked);
    });
    return style.frame;
}

void FormFieldDialog::addStyleSwitch(QWidget *control)
{
    control->setEnabled(style.chkUseStyle->isChecked());
    m_styleSwitched.append(control);
}

std::optional<FieldStyle> FormFieldDialog::styleValues() const
{
    if (!style.chkUseStyle->isChecked())
        return std::nullopt;
    FieldStyle s;
    s.colour = style.cmbcolour->currentText();
    s.background = style.cmbbgcolour->currentText();
    s.font = style.listFont->currentText();
    if (style.cmbFontSize) {
        s.size = style.cmbFontSize->currentText();
        s.bold = style.chkBold->isChecked();
        s.italic = style.chkItalics->isChecked();
    } else {
        s.size.reset();
    }
    return s;
}

void FormFieldDialog::deliverField(const Builder &build)
{
    using InsertRoute::Route;
    const auto wrapped = [this](const QString &html) {
        return m_kind.wrapInBody ? QStringLiteral("<body>") + html + QStringLiteral("</body>")
                                 : html;
    };
    hide();
    const Route route = isDesigner() ? Route::Nothing : deliveryRoute();
    if (isDesigner()) {
        ombrel()->stage(wrapped(build(QStringLiteral(">"))));
    } else if (route == Route::Console) {
        const bool openTag = m_kind.console == ConsoleForm::OpenTag;
        const QString code = wrapped(build(openTag ? QStringLiteral(" ") : QStringLiteral(" >")));
        if (ConsoleCode *console = ConsoleCode::loaded()) {
            const qsizetype at = console->selStart();
            console->setSelText(code);
            if (m_kind.console == ConsoleForm::Element)
                console->focusCode();
            // The console's next insertion replaces the ">" of this start tag,
            // not one typed into a value or standing earlier in the code box.
            if (!openTag)
                console->select(at + startTagEnd(code, wrapped(build(QString()))), 1);
        }
    } else if (route == Route::Source) {
        deliver(route, build(QStringLiteral(">")));
    } else if (route == Route::Composer) {
        deliver(route, wrapped(build(QStringLiteral(">"))));
    }
    unload();
}
