#include "editor/templatewindow.h"

#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "editor/templates.h"
#include "platform/htmleditview.h"
#include "platform/prompter.h"
#include "platform/windowplacement.h"
#include "vevevodi/composerwindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kLoadError = QStringLiteral("Error Loading Template");

} // namespace

TemplateManager::TemplateManager(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Quorl Vevevodi Template Manager"));

    lblChoose = new QLabel(QStringLiteral("Choose a template"), this);
    lblChoose->setObjectName(QStringLiteral("lblChoose"));
    listTemplates = new QListWidget(this);
    listTemplates->setObjectName(QStringLiteral("listTemplates"));
    QFont font(QStringLiteral("Trebuchet MS"), 10);
    font.setStyleHint(QFont::SansSerif);
    listTemplates->setFont(font);
    listTemplates->setMaximumWidth(180);
    listTemplates->addItems({QStringLiteral("Blue"), QStringLiteral("Brownie"),
                             QStringLiteral("Chrome"), QStringLiteral("Silver"),
                             QStringLiteral("Simplex")});
    PrevTemplate = new HtmlEditView(this);
    PrevTemplate->setObjectName(QStringLiteral("PrevTemplate"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto *left = new QVBoxLayout;
    left->addWidget(lblChoose);
    left->addWidget(listTemplates, 1);
    left->addWidget(OKButton);
    left->addWidget(CancelButton);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(PrevTemplate, 1);
    resize(820, 560);

    connect(listTemplates, &QListWidget::itemClicked, this, &TemplateManager::preview);
    connect(OKButton, &QPushButton::clicked, this, &TemplateManager::openTemplate);
    connect(CancelButton, &QPushButton::clicked, this, &QWidget::hide);
}

void TemplateManager::load()
{
    PrevTemplate->setBrowseMode(true);
    MakeTopmost(this);
}

bool TemplateManager::fill()
{
    listTemplates->clear();
    if (!QFileInfo(Templates::folder()).isDir())
        return false;
    listTemplates->addItems(Templates::names());
    return true;
}

QString TemplateManager::currentName() const
{
    // The current row of a list that has the focus need not be chosen.
    const QListWidgetItem *item = listTemplates->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TemplateManager::preview()
{
    if (PrevTemplate->LoadDocument(Templates::pathFor(currentName())))
        return;
    hide();
    Prompter::tell(QStringLiteral("Error loading template. Please reinstall Quorl Vevevodi, "
                                  "and inform the author about this problem"),
                   kLoadError, Prompter::Icon::Critical);
}

void TemplateManager::openTemplate()
{
    hide();
    const QString name = currentName();
    ComposerWindow *composer = Composr();
    if (Prompter::ask(Templates::closeQuestion, QStringLiteral("Assistant: Quorl"),
                      Prompter::Icon::Question, Prompter::Buttons::YesNo, Prompter::Answer::No)
        != Prompter::Answer::Yes) {
        composer->txtComp->setFocus();
        return;
    }
    Quorl()->hide();
    const bool loaded = composer->txtComp->LoadDocument(Templates::pathFor(name), nullptr,
                                                        &Quorl()->documentFormat);
    // The composer comes back either way, so a failed load never leaves the
    // program without a visible window.
    Openers::showWindow(composer);
    if (!loaded) {
        Prompter::tell(QStringLiteral("Error loading template. Please report to author "
                                      "immediately"),
                       kLoadError, Prompter::Icon::Critical);
        return;
    }
    Templates::makeUntitled();
}

void TemplateManager::closeEvent(QCloseEvent *event)
{
    // Kept between openings, like its Cancel button does.
    event->ignore();
    hide();
}
