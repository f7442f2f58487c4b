#pragma once

#include "dialogs/dialogframe.h"
#include "platform/commondialog.h"
#include "platform/textfiles.h"

#include <QList>

#include <optional>

class HtmlEditView;
class QGroupBox;
class QPushButton;
class QToolButton;

// One box of a sample layout, in pixels.
struct SampleBox {
    int zIndex;
    int left;
    int top;
    int width;
    int height;
    const char *border;
};

// "LManager": a page's skeleton of absolutely positioned boxes, designed in
// the work area `Result` and handed to the window that opened it.
class LayoutManager : public DialogFrame
{
    Q_OBJECT
    Q_PROPERTY(QString txtCompOrEdit MEMBER compOrEdit)

public:
    LayoutManager();
    // Both views start as blank editable documents.
    void load() override;

    // The boxes of sample 1 to 4, in their order.
    static QList<SampleBox> sampleBoxes(int sample);
    // The text of a sample chooser: empty for 0 (blank), else the sample as
    // the old work area wrote it, upper-case tags and CR LFs.
    static QString sampleText(int sample);
    static inline const QString fileFilter =
        QStringLiteral("Layout Manager Files (*.lyt)|*.lyt");

    // The layout: the inside of the work area's body, or nothing (said in a
    // message) when the work area did not answer in time.
    std::optional<QString> layoutBody();
    // Replaces the layout by a body text or a whole document.
    void setLayoutHtml(const QString &html);
    // Replaces the box waiting in the staging view.
    void stage(const QString &html);

    void chooseSample(int sample);
    void AddNewBox();
    void LoadLayout();
    void SaveLayout();
    void EditHTML();
    void UseLayout();
    void Help();

    HtmlEditView *Result = nullptr;
    HtmlEditView *tagbar = nullptr;
    QGroupBox *toolbar = nullptr;
    QList<QToolButton *> PicType;  // PicType0 .. PicType4
    QPushButton *btnAddNew = nullptr;
    QPushButton *btnLoadLayout = nullptr;
    QPushButton *btnSaveLayout = nullptr;
    QPushButton *btnEditHTML = nullptr;
    QPushButton *btnUseLayout = nullptr;
    QPushButton *btnHelp = nullptr;
    CommonDialog ComDlg;
    // How the layout file last loaded was stored; Save Layout writes it so.
    TextFiles::Format fileFormat;
};

// The layout manager, created and loaded on first use.
LayoutManager *LManager();
