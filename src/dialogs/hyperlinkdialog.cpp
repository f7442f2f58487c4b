#include "dialogs/hyperlinkdialog.h"

#include "dialogs/maildialog.h"
#include "dialogs/targetwindow.h"
#include "editor/openers.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString relValue(const HyperlinkValues &v)
{
    if (v.me)
        return QStringLiteral("me");
    QString rel;
    const auto word = [&rel](const QString &value) {
        if (!value.isEmpty())
            rel += u' ' + value;
    };
    const auto tick = [&word](bool ticked, const char *value) {
        if (ticked)
            word(QLatin1String(value));
    };
    word(v.friendship);
    tick(v.met, "met");
    tick(v.colleague, "colleague");
    tick(v.coworker, "co-worker");
    word(v.geographical);
    word(v.family);
    tick(v.muse, "muse");
    tick(v.crush, "crush");
    tick(v.date, "date");
    tick(v.sweetheart, "sweetheart");
    return rel;
}

// The XFN word of the option chosen in a group; empty for None.
QString chosen(const QList<QPair<QRadioButton *, const char *>> &group)
{
    for (const auto &[option, value] : group) {
        if (option->isChecked())
            return QLatin1String(value);
    }
    return QString();
}

} // namespace

std::optional<LinkElement> hyperlinkElement(const HyperlinkValues &v, bool console)
{
    if (v.link.isEmpty())
        return std::nullopt;
    LinkElement element;
    QString &html = element.html;
    html = QStringLiteral("<A rel=\"") + relValue(v) + QStringLiteral("\" href=\"") + v.link
           + u'"';
    if (!v.screenTip.isEmpty())
        html += QStringLiteral(" TITLE=\"") + v.screenTip + u'"';
    if (v.noUnderline)
        html += QStringLiteral(" STYLE=\"text-decoration:none\"");
    html += v.target + (console ? QStringLiteral(" >") : QStringLiteral(">"));
    element.tagEnd = html.size() - 1;
    html += v.text + QStringLiteral("</A>");
    return element;
}

HyperlinkDialog::HyperlinkDialog()
    : DialogFrame(QStringLiteral("hyperlinks"), QStringLiteral("Hyperlinks : Quorl"))
{
    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(buildBookmarkFrame(), 0, 0);
    grid->addWidget(buildMainFrame(), 0, 1);
    grid->addWidget(buildXfnFrame(), 1, 0, 1, 2);
    fraBookMarks->hide();
    fraXfn->hide();

    connect(btnInsert, &QPushButton::clicked, this, &HyperlinkDialog::onInsert);
    connect(btnMail, &QPushButton::clicked, this, &HyperlinkDialog::onMail);
    connect(btnTarget, &QPushButton::clicked, this, [] {
        if (QWidget *target = WindowDirectory::touch(QStringLiteral("target")))
            Openers::showWindow(target);
    });
    connect(btnBookMarks, &QPushButton::clicked, this,
            [this] { showPanels(fraBookMarks->isHidden(), false); });
    connect(btnAdvanced, &QPushButton::toggled, this, [this](bool pressed) {
        showPanels(pressed, pressed);
        btnBookMarks->setEnabled(!pressed);
    });
    connect(anotherLoc, &QCheckBox::toggled, this, [this](bool ticked) {
        for (QWidget *control : std::as_const(m_xfn))
            control->setEnabled(!ticked);
    });
    connect(listBookMarks, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem *item = listBookMarks->currentItem())
            txtLink->setText(u'#' + item->text());
    });
}

HyperlinkDialog::~HyperlinkDialog()
{
    if (!WindowDirectory::isLoaded(objectName()))
        WindowDirectory::unload(QStringLiteral("target"));
}

QWidget *HyperlinkDialog::buildMainFrame()
{
    auto *frame = new QWidget(this);
    auto *form = new QFormLayout(frame);
    form->setContentsMargins(0, 0, 0, 0);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    txtLink = textField(QStringLiteral("txtLink"));
    txtTextToDisp = textField(QStringLiteral("txtTextToDisp"));
    txtScreentip = textField(QStringLiteral("txtScreentip"));
    chkNoUnderline = checkBox(QStringLiteral("chkNoUnderline"), QStringLiteral("No Underline"));
    txtLink->setMinimumWidth(260);
    form->addRow(QStringLiteral("Address / Location / URL / Bookmark"), txtLink);
    form->addRow(QStringLiteral("Text To Display"), txtTextToDisp);
    form->addRow(QStringLiteral("Screen Tip"), txtScreentip);
    form->addRow(chkNoUnderline);

    btnInsert = button(QStringLiteral("btnInsert"), QStringLiteral("Insert Hyperlink"));
    btnMail = button(QStringLiteral("btnMail"), QStringLiteral("E-Mail ID"));
    btnTarget = button(QStringLiteral("btnTarget"), QStringLiteral("Target Frame"));
    btnBookMarks = button(QStringLiteral("btnBookMarks"), QStringLiteral("Bookmarks"));
    btnAdvanced = button(QStringLiteral("btnAdvanced"), QStringLiteral("Advanced"));
    btnAdvanced->setCheckable(true);
    auto *buttons = new QGridLayout;
    buttons->addWidget(btnInsert, 0, 0, 1, 2);
    buttons->addWidget(btnMail, 1, 0);
    buttons->addWidget(btnTarget, 1, 1);
    buttons->addWidget(btnBookMarks, 2, 0);
    buttons->addWidget(btnAdvanced, 2, 1);
    form->addRow(buttons);
    return frame;
}

QWidget *HyperlinkDialog::buildBookmarkFrame()
{
    fraBookMarks = new QWidget(this);
    fraBookMarks->setObjectName(QStringLiteral("fraBookMarks"));
    auto *layout = new QVBoxLayout(fraBookMarks);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Bookmarks in this page"), fraBookMarks));
    listBookMarks = new QListWidget(fraBookMarks);
    listBookMarks->setObjectName(QStringLiteral("listBookMarks"));
    listBookMarks->setFixedWidth(220);
    layout->addWidget(listBookMarks);
    listAddress = new QListWidget(fraBookMarks);
    listAddress->setObjectName(QStringLiteral("listAddress"));
    listAddress->hide();
    return fraBookMarks;
}

QWidget *HyperlinkDialog::buildXfnFrame()
{
    fraXfn = new QWidget(this);
    fraXfn->setObjectName(QStringLiteral("fraXfn"));
    auto *grid = new QGridLayout(fraXfn);
    grid->setContentsMargins(0, 0, 0, 0);
    anotherLoc = checkBox(QStringLiteral("anotherLoc"),
                          QStringLiteral("The Link location is another address of mine"));
    grid->addWidget(anotherLoc, 0, 0, 1, 3);

    // A frame of controls laid out one under the other.
    const auto group = [this](const char *title, const QList<QWidget *> &controls) {
        auto *box = new QGroupBox(QLatin1String(title), fraXfn);
        auto *column = new QVBoxLayout(box);
        for (QWidget *control : controls)
            column->addWidget(control);
        column->addStretch();
        m_xfn += controls;
        return box;
    };
    frndFrnd = optionButton(QStringLiteral("frndFrnd"), QStringLiteral("Friend"));
    frndAcq = optionButton(QStringLiteral("frndAcq"), QStringLiteral("Acquaintance"));
    frndContact = optionButton(QStringLiteral("frndContact"), QStringLiteral("Contact"));
    frndNone = optionButton(QStringLiteral("frndNone"), QStringLiteral("None"));
    Met = checkBox(QStringLiteral("Met"), QStringLiteral("Met"));
    profCol = checkBox(QStringLiteral("profCol"), QStringLiteral("Colleague"));
    profCow = checkBox(QStringLiteral("profCow"), QStringLiteral("Co-worker"));
    geoCoresident = optionButton(QStringLiteral("geoCoresident"), QStringLiteral("Co resident"));
    geoNeighbour = optionButton(QStringLiteral("geoNeighbour"), QStringLiteral("Neighbour"));
    geonone = optionButton(QStringLiteral("geonone"), QStringLiteral("None"));
    famChild = optionButton(QStringLiteral("famChild"), QStringLiteral("Child"));
    famparent = optionButton(QStringLiteral("famparent"), QStringLiteral("Parent"));
    famSibling = optionButton(QStringLiteral("famSibling"), QStringLiteral("Sibling"));
    famSpouse = optionButton(QStringLiteral("famSpouse"), QStringLiteral("Spouse"));
    famKin = optionButton(QStringLiteral("famKin"), QStringLiteral("Kin"));
    famNone = optionButton(QStringLiteral("famNone"), QStringLiteral("None"));
    RomMuse = checkBox(QStringLiteral("RomMuse"), QStringLiteral("Muse"));
    RomCrush = checkBox(QStringLiteral("RomCrush"), QStringLiteral("Crush"));
    RomDate = checkBox(QStringLiteral("RomDate"), QStringLiteral("Date"));
    RomSweetheart = checkBox(QStringLiteral("RomSweetheart"), QStringLiteral("Sweetheart"));

    grid->addWidget(group("Friendship", {frndFrnd, frndAcq, frndContact, frndNone}), 1, 0);
    auto *metAndWork = new QVBoxLayout;
    m_xfn << Met;
    metAndWork->addWidget(Met);
    metAndWork->addWidget(group("Professional", {profCol, profCow}));
    grid->addLayout(metAndWork, 1, 1);
    grid->addWidget(group("Geographical", {geoCoresident, geoNeighbour, geonone}), 1, 2);
    grid->addWidget(group("Family", {famChild, famparent, famSibling, famSpouse, famKin,
                                     famNone}), 2, 0);
    grid->addWidget(group("Romantic", {RomMuse, RomCrush, RomDate, RomSweetheart}), 2, 1);
    // Chosen once each group holds its own options, which exclude only each other.
    for (QRadioButton *none : {frndNone, geonone, famNone})
        none->setChecked(true);
    return fraXfn;
}

void HyperlinkDialog::showPanels(bool bookmarks, bool xfn)
{
    const int before = width();
    fraBookMarks->setVisible(bookmarks);
    fraXfn->setVisible(xfn);
    layout()->activate();
    const int grown = width() - before;
    // Widening moves the window left by as much; narrowing gives back what
    // the widening took, so a window kept at the screen's edge returns there.
    const int left = grown >= 0 ? x() - grown : x() + std::min(-grown, m_shiftedLeft);
    QRect frame(QPoint(left, y()), frameGeometry().size());
    // On the screen, so that the panels it shows can be reached.
    if (const QScreen *shown = screen()) {
        const QRect area = shown->availableGeometry();
        frame.moveRight(std::min(frame.right(), area.right()));
        frame.moveLeft(std::max(frame.left(), area.left()));
        frame.moveBottom(std::min(frame.bottom(), area.bottom()));
        frame.moveTop(std::max(frame.top(), area.top()));
    }
    m_shiftedLeft = std::max(0, m_shiftedLeft + x() - frame.left());
    move(frame.topLeft());
}

HyperlinkValues HyperlinkDialog::values() const
{
    HyperlinkValues v;
    v.link = txtLink->text();
    v.text = Openers::content(txtTextToDisp);
    v.screenTip = txtScreentip->text();
    v.noUnderline = chkNoUnderline->isChecked();
    v.me = anotherLoc->isChecked();
    v.friendship = chosen({{frndFrnd, "friend"}, {frndAcq, "acquaintance"},
                           {frndContact, "contact"}});
    v.met = Met->isChecked();
    v.colleague = profCol->isChecked();
    v.coworker = profCow->isChecked();
    v.geographical = chosen({{geoCoresident, "co-resident"}, {geoNeighbour, "neighbor"}});
    v.family = chosen({{famChild, "child"}, {famparent, "parent"}, {famSibling, "sibling"},
                       {famSpouse, "spouse"}, {famKin, "kin"}});
    v.muse = RomMuse->isChecked();
    v.crush = RomCrush->isChecked();
    v.date = RomDate->isChecked();
    v.sweetheart = RomSweetheart->isChecked();
    if (auto *target = qobject_cast<TargetWindow *>(WindowDirectory::loaded("target")))
        v.target = target->txtTarget->text();
    return v;
}

void HyperlinkDialog::onInsert()
{
    using InsertRoute::Route;
    const Route route = deliveryRoute();
    HyperlinkValues v = values();
    v.text = presetIn(route, txtTextToDisp);
    const std::optional<LinkElement> element = hyperlinkElement(v, route == Route::Console);
    if (!element) {
        Prompter::tell(QStringLiteral("The Link URL has not been mentioned"),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
        txtLink->setFocus();
        return;
    }
    if (route == Route::Console) {
        // The console continues the start tag: its ">" is left selected.
        if (ConsoleCode *console = ConsoleCode::loaded()) {
            console->setCode(element->html);
            console->focusCode();
            console->select(element->tagEnd, 1);
        }
    } else {
        deliver(route, element->html);
    }
    unload();
}

void HyperlinkDialog::onMail()
{
    auto *mail = WindowDirectory::touch<MailDialog>(QStringLiteral("mail"));
    if (!mail)
        return;
    mail->txtScreentip->setText(txtScreentip->text());
    Openers::carry(txtTextToDisp, mail->txtTextToDisp);
    // A link begun in the composer ends there too, not in the hidden source text.
    using InsertRoute::Route;
    mail->compOrEdit = route() == Route::Composer ? QStringLiteral("comp")
                                                  : QStringLiteral("edit");
    Openers::showWindow(mail);
    unload();
}

void HyperlinkDialog::hideEvent(QHideEvent *event)
{
    DialogFrame::hideEvent(event);
    // Unloading this dialog unloads the target window with it.
    if (!WindowDirectory::isLoaded(objectName()))
        WindowDirectory::unload(QStringLiteral("target"));
}
