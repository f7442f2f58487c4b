#include "formdesigner/fieldlistdialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QString fieldListHtml(const FieldListValues &v)
{
    const QString crlf = QStringLiteral("\r\n");
    // Name and size go in without quotes.
    QString html = QStringLiteral("<SELECT name=") + v.name;
    if (!v.size.isEmpty())
        html += QStringLiteral(" size=") + v.size;
    html += optionalAttribute("tabindex", v.tabIndex);
    if (v.multiple)
        html += QStringLiteral(" MULTIPLE");
    html += u'>' + crlf;
    for (const QString &point : v.points)
        html += QStringLiteral("<OPTION>") + point + crlf;
    return html + QStringLiteral("</SELECT>");
}

FieldListDialog::FieldListDialog(Variant variant)
    : FormFieldDialog("formList", "List : Quorl", "List", variant,
                      {NameRule::List, ConsoleForm::OpenTag, false})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const auto sized = [this](const char *name) {
        return isDesigner() ? textField(name) : numberField(name);
    };
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), nameField());
    fields->addRow(QStringLiteral("Size"), txtSize = sized("txtSize"));
    fields->addRow(QStringLiteral("Tab Index"), txtTab = sized("txtTab"));
    layout->addLayout(fields);

    auto *frmMultiple = new QGroupBox(QStringLiteral("Allow Multiple Selections"), this);
    frmMultiple->setObjectName(QStringLiteral("frmMultiple"));
    auto *options = new QHBoxLayout(frmMultiple);
    options->addWidget(radYes = optionButton("radYes", "Yes"));
    options->addWidget(radNo = optionButton("radNo", "No", true));
    layout->addWidget(frmMultiple);

    auto *label = new QLabel(
        QStringLiteral("Points: Enter the points here, and press Enter after the point"), this);
    label->setWordWrap(true);
    layout->addWidget(label);
    if (isDesigner()) {
        auto *box = new QPlainTextEdit(this);
        box->setFixedHeight(60);
        box->installEventFilter(this);
        txtPoints = box;
    } else {
        auto *line = textField("txtPoints");
        connect(line, &QLineEdit::returnPressed, this, &FieldListDialog::addPoint);
        txtPoints = line;
    }
    txtPoints->setObjectName(QStringLiteral("txtPoints"));

    listPoints = new QListWidget(this);
    listPoints->setObjectName(QStringLiteral("listPoints"));
    m_points.emplace(QList<QListWidget *>{listPoints});
    const ListButtons edit =
        m_points->makeButtons(this, QStringLiteral("No point selected to remove"));
    btnAdd = edit.btnAdd;
    btnClear = edit.btnClear;
    btnUp = edit.btnUp;
    btnDown = edit.btnDown;
    btnRemove = edit.btnRemove;
    auto *grid = new QGridLayout;
    grid->addWidget(txtPoints, 0, 0);
    grid->addWidget(btnAdd, 0, 1);
    grid->addWidget(listPoints, 1, 0, 5, 1);
    grid->addWidget(btnUp, 1, 1);
    grid->addWidget(btnDown, 2, 1);
    grid->addWidget(btnRemove, 3, 1);
    grid->addWidget(btnClear, 4, 1);
    layout->addLayout(grid);

    btnInsert = confirmButton("btnInsert", "Create List",
                              [this](const QString &) { return fieldListHtml(values()); });
    btnHelp = documentHelp(QStringLiteral("list.qhp"));
    layout->addLayout(buttonRow({btnInsert, btnHelp}));

    connect(btnAdd, &QPushButton::clicked, this, &FieldListDialog::addPoint);
    connect(btnClear, &QPushButton::clicked, this, [this] {
        if (m_points->clearAfterQuestion())
            txtPoints->setFocus();
    });
}

QString FieldListDialog::pointText() const
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(txtPoints))
        return box->toPlainText();
    return static_cast<QLineEdit *>(txtPoints)->text();
}

void FieldListDialog::addPoint()
{
    m_points->add({pointText()});
    if (auto *box = qobject_cast<QPlainTextEdit *>(txtPoints))
        box->clear();
    else
        static_cast<QLineEdit *>(txtPoints)->clear();
}

bool FieldListDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the designer's point box ends the point, all of the box's text.
    if (watched == txtPoints && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addPoint();
            return true;
        }
    }
    return FormFieldDialog::eventFilter(watched, event);
}

FieldListValues FieldListDialog::values() const
{
    return {txtName->text(), txtSize->text(), txtTab->text(), radYes->isChecked(),
            m_points->entries(0)};
}
