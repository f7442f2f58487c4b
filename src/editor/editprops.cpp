#include "editor/editprops.h"

#include "editor/sourcewindow.h"
#include "platform/screenfonts.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct NamedColour {
    const char *name;
    QRgb rgb;
};

constexpr NamedColour contrasts[] = {
    {"Flesh", qRgb(255, 192, 192)}, {"Grass", qRgb(192, 255, 192)},
    {"Lemon", qRgb(255, 255, 192)}, {"Peach", qRgb(255, 224, 192)},
    {"Silver", qRgb(224, 224, 224)}, {"Sky", qRgb(192, 255, 255)},
    {"White", qRgb(255, 255, 255)}};

QListWidget *framedList(const QString &title, const QString &name, QWidget *parent,
                        QHBoxLayout *row, int stretch)
{
    auto *frame = new QGroupBox(title, parent);
    auto *list = new QListWidget(frame);
    list->setObjectName(name);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(list);
    row->addWidget(frame, stretch);
    return list;
}

// The text of the selected entry, empty when none is selected.
QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

} // namespace

EditPropsWindow::EditPropsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Editor Properties"));
    resize(600, 320);

    auto *row = new QHBoxLayout;
    listFont = framedList(QStringLiteral("Font"), QStringLiteral("listFont"), this, row, 5);
    listSize = framedList(QStringLiteral("Font Size"), QStringLiteral("listSize"), this, row, 2);
    listContrast = framedList(QStringLiteral("Background Colour"),
                              QStringLiteral("listContrast"), this, row, 3);

    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        listSize->addItem(QString::number(size));
    for (const NamedColour &colour : contrasts)
        listContrast->addItem(QLatin1String(colour.name));

    OKButton = new QPushButton(QStringLiteral("Close"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);

    connect(listFont, &QListWidget::itemSelectionChanged, this, &EditPropsWindow::onFontClick);
    connect(listSize, &QListWidget::itemSelectionChanged, this, &EditPropsWindow::onSizeClick);
    connect(listContrast, &QListWidget::itemSelectionChanged, this,
            &EditPropsWindow::onContrastClick);
    connect(OKButton, &QPushButton::clicked, this, &EditPropsWindow::onClose);
}

void EditPropsWindow::load()
{
    listFont->addItems(screenFontFamilies());
    MakeTopmost(this);
}

QColor EditPropsWindow::contrastColor(const QString &name)
{
    for (const NamedColour &colour : contrasts) {
        if (name == QLatin1String(colour.name))
            return QColor(colour.rgb);
    }
    return QColor();
}

void EditPropsWindow::onFontClick()
{
    const QString name = selectedText(listFont);
    if (name.isEmpty())
        return;
    SourceArea *area = Quorl()->area;
    QFont font = area->font();
    font.setFamily(name);
    area->setFont(font);
}

void EditPropsWindow::onSizeClick()
{
    const int size = selectedText(listSize).toInt();
    if (size <= 0)
        return;
    SourceArea *area = Quorl()->area;
    QFont font = area->font();
    font.setPointSize(size);
    area->setFont(font);
}

void EditPropsWindow::onContrastClick()
{
    const QColor colour = contrastColor(selectedText(listContrast));
    if (colour.isValid())
        Quorl()->area->setBackColor(colour);
}

void EditPropsWindow::onClose()
{
    SettingsStore::setValue(QStringLiteral("Editor"), QStringLiteral("Font Size"),
                            selectedText(listSize));
    SettingsStore::setValue(QStringLiteral("Editor"), QStringLiteral("Font Name"),
                            selectedText(listFont));
    WindowDirectory::unload(objectName());
}

void EditPropsWindow::closeEvent(QCloseEvent *event)
{
    // From the frame: the choices stay on the text area, nothing is stored.
    event->accept();
    WindowDirectory::unload(objectName());
}
