#include "dialogs/pagepropsdialog.h"

#include "editor/optfunctions.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Quoted, so a path with blanks stays one value; a quote in it would end
// the value early, so it goes in as an entity.
QString attribute(const char *name, const QString &value)
{
    if (value.isEmpty())
        return QString();
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("&quot;"));
    return u' ' + QLatin1String(name) + QStringLiteral("=\"") + quoted + u'"';
}

} // namespace

QString bodyAttributes(const PagePropsValues &v)
{
    QString background;
    if (v.removeImage) {
        background = QStringLiteral(" background=\"\"");
    } else if (!v.source.isEmpty()) {
        background = attribute("background", v.source);
        if (v.watermark)
            background += QStringLiteral(" bgproperties=\"fixed\"");
    }
    const QString attributes = attribute("bgcolor", v.bgColour)
                               + attribute("text", v.textColour)
                               + attribute("link", v.linkColour)
                               + attribute("alink", v.aLinkColour)
                               + attribute("vlink", v.vLinkColour) + background;
    return attributes.isEmpty() ? QStringLiteral(" ") : attributes;
}

DocumentEdit pagePropsEdit(const QString &text, const PagePropsValues &values)
{
    EditedText doc(text, 0);
    const qsizetype body = doc.find(QLatin1String("<body"));
    if (body < 0)
        return DocumentEdit::refuse({QStringLiteral("Unable to find the <body> tag of this "
                                                    "page. Nothing was changed."),
                                     QStringLiteral("Assistant: Quorl"),
                                     Prompter::Icon::Exclamation});
    const QString attributes = bodyAttributes(values);
    doc.insert(body + 5, attributes);
    DocumentEdit edit = doc.result();
    edit.caret = body + 5 + attributes.size();
    return edit;
}

PagePropsDialog::PagePropsDialog()
    : DialogFrame(QStringLiteral("pageProps"), QStringLiteral("Page Properties : Quorl"))
{
    setMouseTracking(true);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *colours = new QGridLayout;
    const auto colourRow = [&](int row, const char *boxName, const char *labelName,
                               const char *caption) {
        QLineEdit *box = textField(QLatin1String(boxName));
        colours->addWidget(colourLabel(labelName, caption, box), row, 0);
        colours->addWidget(box, row, 1);
        return box;
    };
    txtBGColour = colourRow(0, "txtBGColour", "lblBGColour", "Background Colour");
    txtTextColour = colourRow(1, "txtTextColour", "lblTextColour", "Text Colour");
    txtHLinkColour = colourRow(2, "txtHLinkColour", "lblHLinkColour", "Hyperlink Colour");
    txtALinkColour = colourRow(3, "txtALinkColour", "lblALinkColour", "Active Link Colour");
    txtVLinkColour = colourRow(4, "txtVLinkColour", "lblVLinkColour", "Visited Link Colour");
    lblBGColour = m_labels.at(0);
    lblTextColour = m_labels.at(1);
    lblHLinkColour = m_labels.at(2);
    lblALinkColour = m_labels.at(3);
    lblVLinkColour = m_labels.at(4);
    layout->addLayout(colours);
    layout->addWidget(new QLabel(QStringLiteral("Click on the Label to change it"), this));

    auto *image = new QGroupBox(QStringLiteral("Background Image"), this);
    auto *imageGrid = new QGridLayout(image);
    txtSource = textField(QStringLiteral("txtSource"));
    btnBrowse = button(QStringLiteral("btnBrowse"), QStringLiteral("Browse"));
    chkWatermark = checkBox(QStringLiteral("chkWatermark"), QStringLiteral("Watermark"));
    chkRemoveImage = checkBox(QStringLiteral("chkRemoveImage"),
                              QStringLiteral("No Background Image"));
    imageGrid->addWidget(new QLabel(QStringLiteral("Source"), image), 0, 0);
    imageGrid->addWidget(txtSource, 0, 1);
    imageGrid->addWidget(btnBrowse, 0, 2);
    imageGrid->addWidget(chkWatermark, 1, 0, 1, 2);
    imageGrid->addWidget(new QLabel(QStringLiteral("(The page slides over picture)"), image),
                         2, 0, 1, 3);
    imageGrid->addWidget(chkRemoveImage, 3, 0, 1, 3);
    layout->addWidget(image);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    addButtonRow(layout, {OKButton, CancelButton});

    connect(btnBrowse, &QPushButton::clicked, this, [this] {
        if (ComDlg.ShowOpen())
            txtSource->setText(ComDlg.FileName);
    });
    // A watermark is a property of the background image, so it needs one.
    connect(chkWatermark, &QCheckBox::clicked, this, [this] {
        if (txtSource->text().isEmpty())
            chkWatermark->setChecked(false);
    });
    connect(OKButton, &QPushButton::clicked, this, &PagePropsDialog::onOK);
}

QLabel *PagePropsDialog::colourLabel(const char *name, const char *caption, QLineEdit *box)
{
    auto *label = new QLabel(QLatin1String(caption), this);
    label->setObjectName(QLatin1String(name));
    label->setCursor(Qt::PointingHandCursor);
    label->setProperty("box", QVariant::fromValue(static_cast<QObject *>(box)));
    label->setMouseTracking(true);
    label->installEventFilter(this);
    m_labels.append(label);
    return label;
}

void PagePropsDialog::markLabel(QLabel *label, bool hovered)
{
    QFont font = label->font();
    font.setUnderline(hovered);
    label->setFont(font);
    label->setProperty("hovered", hovered);
}

bool PagePropsDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (label && m_labels.contains(label)) {
        // Taken here, so the dialog's own mouse move does not clear the mark again.
        switch (event->type()) {
        case QEvent::Enter:
            markLabel(label, true);
            break;
        case QEvent::MouseMove:
            markLabel(label, true);
            return true;
        case QEvent::MouseButtonPress:
            pickColourBox(qobject_cast<QLineEdit *>(label->property("box").value<QObject *>()));
            return true;
        default:
            break;
        }
    }
    return DialogFrame::eventFilter(watched, event);
}

void PagePropsDialog::mouseMoveEvent(QMouseEvent *event)
{
    for (QLabel *label : std::as_const(m_labels))
        markLabel(label, false);
    MakeTopmost(this);
    DialogFrame::mouseMoveEvent(event);
}

PagePropsValues PagePropsDialog::values() const
{
    PagePropsValues v;
    v.bgColour = txtBGColour->text();
    v.textColour = txtTextColour->text();
    v.linkColour = txtHLinkColour->text();
    v.aLinkColour = txtALinkColour->text();
    v.vLinkColour = txtVLinkColour->text();
    v.source = txtSource->text();
    v.watermark = chkWatermark->isChecked();
    v.removeImage = chkRemoveImage->isChecked();
    return v;
}

void PagePropsDialog::onOK()
{
    const PagePropsValues page = values();
    if (WholeDocument::apply(WholeDocument::inComposer(true), {},
                             [&page](const QString &text) { return pagePropsEdit(text, page); }))
        unload();
}
