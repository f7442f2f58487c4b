// The source window's text commands and assists: the tag list, the tag
// toggles, smart select, the case and tab transforms, find next and the
// auto tag recognition.

#include "editor/autorecognition.h"
#include "editor/findwindow.h"
#include "editor/menubuilder.h"
#include "editor/sourcetext.h"
#include "editor/sourcewindow.h"
#include "editor/taglist.h"
#include "editor/tagsearch.h"
#include "editor/tagtoggles.h"
#include "editor/texttransforms.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"

#include <QBoxLayout>

void SourceWindow::buildAssists()
{
    using namespace Menus;
    tagList = new TagListPane(this);
    auto *box = static_cast<QBoxLayout *>(centralWidget()->layout());
    box->setDirection(QBoxLayout::LeftToRight);
    box->insertWidget(0, tagList);

    auto command = [this](const char *name, std::function<void()> run) {
        connect(bind(Menus::find(this, QLatin1String(name))), &QAction::triggered, this, run);
    };
    auto transform = [this, command](const char *name, SourceText (*f)(const SourceText &)) {
        command(name, [this, f] { applyTransform(f); });
    };
    auto insert = [this, command](const char *name, const char *text) {
        command(name, [this, text] { area->setSelText(QLatin1String(text)); });
    };
    auto wrap = [this, command](const char *name, const char *prefix, const char *suffix) {
        command(name, [this, prefix, suffix] {
            wrapSelection(QLatin1String(prefix), QLatin1String(suffix));
        });
    };

    for (const TagToggles::Toggle &t : TagToggles::toggles()) {
        command(t.item, [this, t] {
            applyTransform([t](const SourceText &in) {
                return TagToggles::toggle(in, QLatin1String(t.startTag),
                                          QLatin1String(t.endTag));
            });
        });
    }
    transform("mnuIndent", TagToggles::indent);
    transform("mnuOutdent", TagToggles::outdent);
    transform("mnuParagraph", TagToggles::paragraph);
    wrap("mnuAJustify", "<P align=\"justify\">", "</P>");
    wrap("mnuNoBreak", "<NOBR>", "</NOBR>");
    insert("mnuLineBreak", "<BR>");
    insert("mnuWordBreak", "<WBR>");

    transform("mnuLcase", TextTransforms::lowerCase);
    transform("mnuUcase", TextTransforms::upperCase);
    transform("mnuTitleCase", TextTransforms::titleCase);
    transform("mnuIcase", TextTransforms::invertedCase);
    transform("mnuTabify", TextTransforms::tabify);
    transform("mnuUntabify", TextTransforms::untabify);

    transform("mnusmartsel", TagSearch::smartSelect);
    command("mnuAutoDelete", [this] { AutoDeleteTag(0); });
    command("mnuFindEndTag", [this] { AutoDeleteTag(1); });
    command("mnuFindNext", &FindNext);
    // Find Next is usable only while there is a found text to look for
    // again, from the start and whenever Find itself changes.
    connect(mnuFind, &QAction::enabledChanged, this, &SourceWindow::updateFindNext);
    updateFindNext();

    bind(mnuAutoRecog);
    autoRecognizeTag = [this] { AutoRecognition::AutoRecognizeTag(this); };
}

void SourceWindow::applyTransform(
    const std::function<SourceText(const SourceText &)> &transform)
{
    const SourceText before = SourceTexts::read(area);
    const SourceText after = transform(before);
    if (after != before)
        SourceTexts::apply(area, after);
    area->setFocus();
}

void SourceWindow::AutoDeleteTag(int mode)
{
    const TagSearch::Result result = TagSearch::autoDeleteTag(
        SourceTexts::read(area), mode == 1 ? TagSearch::Mode::FindEnd : TagSearch::Mode::Delete);
    SourceTexts::apply(area, result.text);
    if (!result.message.isEmpty()) {
        Prompter::tell(result.message, QStringLiteral("Assistant: Quorl"),
                       Prompter::Icon::Exclamation);
    }
    area->setFocus();
}
