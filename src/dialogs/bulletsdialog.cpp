#include "dialogs/bulletsdialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString crlf = QStringLiteral("\r\n");

bool isBulletType(const QString &type)
{
    return type == u"disc" || type == u"circle" || type == u"square";
}

bool isNumberType(const QString &type)
{
    return BulletsDialog::types.contains(type) && type != u"none" && !isBulletType(type);
}

} // namespace

QString bulletsHtml(const BulletValues &v)
{
    const QString tag = v.numbering ? QStringLiteral("OL") : QStringLiteral("UL");
    QString html = u'<' + tag + QStringLiteral(" style=\"list-style-type: ") + v.type
                   + QStringLiteral(";\"");
    if (!v.start.isEmpty())
        html += QStringLiteral(" start=") + v.start;
    html += u'>' + crlf;
    const QStringList points = v.points.isEmpty() ? QStringList{QStringLiteral("a")} : v.points;
    for (const QString &point : points)
        html += QStringLiteral("<LI>") + point + crlf;
    return html + QStringLiteral("</") + tag + u'>';
}

BulletsDialog::BulletsDialog()
    : DialogFrame(QStringLiteral("bullets"), QStringLiteral("Bullets And Numbering : Quorl"))
{
    auto *layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildTypeFrame());
    layout->addWidget(buildPointFrame());
    connect(radBul, &QRadioButton::toggled, this, [this](bool on) { if (on) onKind(false); });
    connect(radNum, &QRadioButton::toggled, this, [this](bool on) { if (on) onKind(true); });
    const auto add = [this] {
        m_points->add({txtPoints->text()});
        txtPoints->clear();
    };
    connect(btnAdd, &QPushButton::clicked, this, add);
    connect(txtPoints, &QLineEdit::returnPressed, this, add);
    connect(btnClear, &QPushButton::clicked, this, [this] {
        m_points->clear();
        txtPoints->setFocus();
    });
    onConfirm(btnInsert, [this] { onInsert(); });
}

QWidget *BulletsDialog::buildTypeFrame()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    radBul = optionButton(QStringLiteral("radBul"), QStringLiteral("Bullets"), true);
    radNum = optionButton(QStringLiteral("radNum"), QStringLiteral("Numbering"));
    auto *kinds = new QHBoxLayout;
    kinds->addWidget(radBul);
    kinds->addWidget(radNum);
    layout->addLayout(kinds);

    auto *typeFrame = new QGroupBox(QStringLiteral("Type"), column);
    auto *typeLayout = new QVBoxLayout(typeFrame);
    listTypeBula = comboBox(QStringLiteral("listTypeBula"), types, true,
                            QStringLiteral("circle"));
    typeLayout->addWidget(listTypeBula);
    layout->addWidget(typeFrame);

    const auto list = [this, column, layout](const char *title, const char *name,
                                             const QStringList &items) {
        auto *frame = new QGroupBox(QLatin1String(title), column);
        auto *frameLayout = new QVBoxLayout(frame);
        auto *l = new QListWidget(frame);
        l->setObjectName(QLatin1String(name));
        l->addItems(items);
        l->setFixedHeight(110);
        frameLayout->addWidget(l);
        layout->addWidget(frame);
        return l;
    };
    listTypeBul = list("Type of Bullets", "listTypeBul", types);
    listTypeNum = list("Type of Number", "listTypeNum", {"1", "A", "a", "I", "i"});
    listTypeNum->setEnabled(false);

    txtStart = numberField(QStringLiteral("txtStart"));
    txtStart->setEnabled(false);
    auto *start = new QHBoxLayout;
    start->addWidget(new QLabel(QStringLiteral("Start At:"), column));
    start->addWidget(txtStart);
    layout->addLayout(start);
    return column;
}

QWidget *BulletsDialog::buildPointFrame()
{
    auto *column = new QWidget(this);
    auto *grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(
        QStringLiteral("Points: Enter the points here, and press Enter after the point"), column);
    label->setWordWrap(true);
    txtPoints = textField(QStringLiteral("txtPoints"));
    listPoints = new QListWidget(column);
    listPoints->setObjectName(QStringLiteral("listPoints"));
    listPoints->setMinimumWidth(220);
    // The label above names the box the points are typed in; the list has none.
    listPoints->setAccessibleName(QStringLiteral("Points entered"));
    m_points.emplace(QList<QListWidget *>{listPoints});
    const ListButtons edit =
        m_points->makeButtons(this, QStringLiteral("No point selected to remove"));
    btnAdd = edit.btnAdd;
    btnRemove = edit.btnRemove;
    btnUp = edit.btnUp;
    btnDown = edit.btnDown;
    btnClear = edit.btnClear;
    btnInsert = button(QStringLiteral("btnInsert"), QStringLiteral("Create List"));
    btnHelp = helpButton(QStringLiteral("bulnum.qhp"));

    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(txtPoints, 1, 0);
    grid->addWidget(btnAdd, 1, 1);
    grid->addWidget(listPoints, 2, 0, 5, 1);
    grid->addWidget(btnRemove, 2, 1);
    grid->addWidget(btnUp, 3, 1);
    grid->addWidget(btnDown, 4, 1);
    grid->addWidget(btnClear, 5, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnInsert);
    buttons->addWidget(btnHelp);
    grid->addLayout(buttons, 7, 0, 1, 2);
    return column;
}

void BulletsDialog::onKind(bool numbering)
{
    (numbering ? listTypeNum : listTypeBul)->setCurrentRow(0);
    listTypeBul->setEnabled(!numbering);
    listTypeNum->setEnabled(numbering);
    txtStart->setEnabled(numbering);
    // The type written must suit the kind of list: no numbered list of circles.
    const QString type = listTypeBula->currentText();
    if (numbering && isBulletType(type))
        listTypeBula->setEditText(QStringLiteral("decimal"));
    else if (!numbering && isNumberType(type))
        listTypeBula->setEditText(QStringLiteral("circle"));
}

BulletValues BulletsDialog::values() const
{
    return {radNum->isChecked(), listTypeBula->currentText(), txtStart->text(),
            m_points->entries(0)};
}

void BulletsDialog::onInsert()
{
    const QString html = bulletsHtml(values());
    hide();
    InsertHtml(html);
    unload();
}
