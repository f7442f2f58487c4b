#include "sitetools/navlisturls.h"

#include "dialogs/listeditor.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "sitetools/stylesheetwizard.h"
#include "vevevodi/composerwindow.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QString navStyleSheet(const QString &code)
{
    const QLatin1String end("</style>");
    const qsizetype at = code.indexOf(end);
    return at < 0 ? QString() : code.left(at + end.size());
}

QString navBar(const QStringList &points, const QStringList &urls)
{
    QString bar = QStringLiteral("<br><div id=\"navigation\"><ul>");
    for (qsizetype i = 0; i < points.size() && i < urls.size(); ++i)
        bar += QStringLiteral("<li id=\"lBasic\"><a href=\"") + urls.at(i)
               + QStringLiteral("\">") + points.at(i) + QStringLiteral("</a></li>\r\n");
    return bar + QStringLiteral("</ul></div><br>");
}

DocumentEdit navStyleEdit(const QString &text, qsizetype caret, const QString &styleSheet)
{
    EditedText doc(text, caret);
    const qsizetype head = doc.find(QLatin1String("<head>"));
    doc.insert(head < 0 ? 0 : head + 6, styleSheet, false);
    return doc.result(head < 0 ? std::optional(styleSheetAtStartNotice()) : std::nullopt);
}

NavListURLs::NavListURLs()
    : DialogFrame(QStringLiteral("NavListURLs"), QStringLiteral("List With Linked Points : Quorl"))
{
    lblPoints = new QLabel(QStringLiteral("Points: Enter the points here, and press Enter after "
                                          "the point"), this);
    lblPoints->setObjectName(QStringLiteral("lblPoints"));
    txtPoints = textField(QStringLiteral("txtPoints"));
    listPoints = new QListWidget(this);
    listPoints->setObjectName(QStringLiteral("listPoints"));
    listURL = new QListWidget(this);
    listURL->setObjectName(QStringLiteral("listURL"));
    m_pairs.emplace(QList<QListWidget *>{listPoints, listURL});
    const ListButtons edit = m_pairs->makeButtons(
        this, QStringLiteral("No point selected to remove. Please click on a point in the "
                             "options list"));
    btnAdd = edit.btnAdd;
    btnRemove = edit.btnRemove;
    btnUp = edit.btnUp;
    btnDown = edit.btnDown;
    btnClear = edit.btnClear;
    btnInsert = button(QStringLiteral("btnInsert"), QStringLiteral("Create Navigation Bar"));
    btnHelp = helpButton(QStringLiteral("navmaker.qhp"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblPoints, 0, 0, 1, 3);
    grid->addWidget(txtPoints, 1, 0, 1, 2);
    grid->addWidget(btnAdd, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Options"), this), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("URL"), this), 2, 1);
    grid->addWidget(listPoints, 3, 0);
    grid->addWidget(listURL, 3, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(btnUp);
    side->addWidget(btnDown);
    side->addWidget(btnRemove);
    side->addWidget(btnClear);
    side->addStretch();
    grid->addLayout(side, 3, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addStretch();
    buttons->addWidget(btnInsert);
    grid->addLayout(buttons, 4, 0, 1, 3);
    resize(560, 400);

    connect(btnAdd, &QPushButton::clicked, this, &NavListURLs::addPoint);
    connect(txtPoints, &QLineEdit::returnPressed, this, &NavListURLs::addPoint);
    connect(btnClear, &QPushButton::clicked, this, [this] { m_pairs->clearAfterQuestion(); });
    connect(btnInsert, &QPushButton::clicked, this, &NavListURLs::createBar);
    // A point and its address are one pair.
    connect(listPoints, &QListWidget::currentRowChanged, listURL,
            [this](int row) { listURL->setCurrentRow(row); });
}

QStringList NavListURLs::points() const
{
    return m_pairs->entries(0);
}

QStringList NavListURLs::urls() const
{
    return m_pairs->entries(1);
}

void NavListURLs::addPoint()
{
    const std::optional<QString> url = Prompter::instance().input(
        QStringLiteral("Enter the url/location to which the point has to be linked to"),
        QStringLiteral("Enter address/URL"), QStringLiteral("http://www.example.com/"));
    if (url && !url->isEmpty()) {
        m_pairs->add({txtPoints->text(), *url});
    } else {
        Prompter::tell(QStringLiteral("Valid URL was not entered"),
                       QCoreApplication::applicationName(), Prompter::Icon::None);
    }
    txtPoints->clear();
}

void NavListURLs::createBar()
{
    txtCode = navStyleSheet(txtCode);
    const QString &sheet = txtCode;
    ComposerWindow *composer =
        WholeDocument::showing(route() != InsertRoute::Route::Source);
    // The bar at the caret and the style sheet in the head are one edit.
    if (!WholeDocument::apply(composer, composer ? GeneratorRewrite::all
                                                 : GeneratorRewrite::Rewrites(),
                              navBar(points(), urls()),
                              [&sheet](const QString &text, qsizetype caret) {
                                  return navStyleEdit(text, caret, sheet);
                              }))
        return;
    if (composer) {
        Quorl()->hide();
    } else {
        Openers::showWindow(Quorl());
        Composr()->writeBackDocument(Quorl()->area->text());
    }
    unload();
}
