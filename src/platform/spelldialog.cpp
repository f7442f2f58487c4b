#include "platform/spelldialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

SpellDialog::SpellDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SpellDialog"));
    setWindowTitle(QStringLiteral("Spell Check : Quorl"));
    lblWord = new QLabel(this);
    lblWord->setObjectName(QStringLiteral("lblWord"));
    txtContext = new QTextBrowser(this);
    txtContext->setObjectName(QStringLiteral("txtContext"));
    txtContext->setMaximumHeight(64);
    txtChangeTo = new QLineEdit(this);
    txtChangeTo->setObjectName(QStringLiteral("txtChangeTo"));
    lstSuggestions = new QListWidget(this);
    lstSuggestions->setObjectName(QStringLiteral("lstSuggestions"));
    connect(lstSuggestions, &QListWidget::currentTextChanged, txtChangeTo, &QLineEdit::setText);
    connect(lstSuggestions, &QListWidget::itemDoubleClicked, this,
            [this] { choose(Action::Change); });

    auto makeButton = [this](const char *name, const QString &caption, Action action) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, action] { choose(action); });
        return b;
    };
    btnChange = makeButton("btnChange", QStringLiteral("&Change"), Action::Change);
    btnChangeAll = makeButton("btnChangeAll", QStringLiteral("Change A&ll"), Action::ChangeAll);
    btnIgnore = makeButton("btnIgnore", QStringLiteral("&Ignore"), Action::Ignore);
    btnIgnoreAll = makeButton("btnIgnoreAll", QStringLiteral("Ignore &All"), Action::IgnoreAll);
    CancelButton = makeButton("CancelButton", QStringLiteral("Cancel"), Action::Cancel);
    btnChange->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblWord, 0, 0, 1, 2);
    grid->addWidget(txtContext, 1, 0, 1, 2);
    auto *changeLabel = new QLabel(QStringLiteral("Change &to:"), this);
    changeLabel->setBuddy(txtChangeTo);
    auto *suggestionsLabel = new QLabel(QStringLiteral("&Suggestions:"), this);
    suggestionsLabel->setBuddy(lstSuggestions);
    grid->addWidget(changeLabel, 2, 0);
    grid->addWidget(txtChangeTo, 3, 0);
    grid->addWidget(suggestionsLabel, 4, 0);
    grid->addWidget(lstSuggestions, 5, 0, 5, 1);
    grid->addWidget(btnIgnore, 3, 1);
    grid->addWidget(btnIgnoreAll, 4, 1);
    grid->addWidget(btnChange, 5, 1);
    grid->addWidget(btnChangeAll, 6, 1);
    grid->addWidget(CancelButton, 8, 1);
    grid->setRowStretch(7, 1);
    resize(460, 360);
}

void SpellDialog::ask(const QString &context, qsizetype start, qsizetype length,
                      const QStringList &suggestions)
{
    const QString word = context.mid(start, length);
    m_action = Action::Cancel;
    lblWord->setText(QStringLiteral("Not in the dictionary: <b>%1</b>").arg(word.toHtmlEscaped()));
    txtContext->setHtml(context.left(start).toHtmlEscaped() + QStringLiteral("<b><u>")
                        + word.toHtmlEscaped() + QStringLiteral("</u></b>")
                        + context.mid(start + length).toHtmlEscaped());
    lstSuggestions->clear();
    lstSuggestions->addItems(suggestions);
    if (!suggestions.isEmpty())
        lstSuggestions->setCurrentRow(0);
    txtChangeTo->setText(suggestions.isEmpty() ? word : suggestions.first());
    txtChangeTo->setFocus();
    txtChangeTo->selectAll();
}

QString SpellDialog::changeTo() const
{
    return txtChangeTo->text();
}

void SpellDialog::choose(Action action)
{
    m_action = action;
    if (action == Action::Cancel)
        reject();
    else
        accept();
}
