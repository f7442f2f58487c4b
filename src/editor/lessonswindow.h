#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class HtmlEditView;
class QComboBox;
class QLabel;

// "frmMoreTemp": a browse-only window for the HTML lessons shipped in the
// HTMLTutor folder, the maker's templates page and the maker's site.
class LessonsViewer : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit LessonsViewer(QWidget *parent = nullptr);

    void load() override;

    // Tutor mode: the first lesson with the lesson picker; false (and said
    // so) when the lesson cannot be loaded.
    bool showTutor();
    // The maker's templates page, without the picker.
    void showTemplatesPage();
    // The maker's site, in the mode last set.
    void showAuthorSite();
    // Loads the lesson a picker text names; false when there is none.
    bool loadLesson(const QString &text);

    // The lesson file a picker text names: blanks removed, ".html" added.
    static QString lessonFile(const QString &text);
    // Shown in place of a web page that could not be loaded.
    static QString unreachablePage(const QString &address);

    // The viewer in tutor mode, for every window's tutor command.
    static bool openTutor();

    HtmlEditView *theWeb = nullptr;
    QComboBox *cmbLessons = nullptr;
    QLabel *lblLesson = nullptr;

    static inline const QString templatesCaption =
        QStringLiteral("Download 300+ professional templates FREE:  Quorl Vevevodi 3.0");

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setPickerVisible(bool visible);
};

// The one lessons viewer, created and loaded on first use.
LessonsViewer *frmMoreTemp();
