#pragma once

#include <QList>
#include <QString>

#include <functional>

class SourceWindow;

// Options > Auto Tag Recognition: reacts to a tag or colour beginning just
// typed before the caret, by offering help (a question, then the command
// that builds the element) or by completing the word and selecting the
// completion.
namespace AutoRecognition {

struct Rule {
    QString key;         // lower case; the text just before the caret
    QString question;    // an assist: asked, and on Yes the key goes
    QString command;     // the menu item or format-bar button run then
    QString completion;  // a completion: inserted and selected
    bool beep = false;
};

// The rules in the order they are tried.
const QList<Rule> &rules();

// Nothing is recognized with fewer characters before the caret.
constexpr qsizetype minimumCaret = 11;

// An assist asks only after this long without a key, timed by the window's
// single-shot timer "assistPause".
constexpr int pauseMs = 500;

// Sounds the system beep; tests count the calls instead.
extern std::function<void()> beep;

// Runs the rules once against the caret of the window's text area. The
// recognizer's own edits do not start it again. Completions come at once;
// an assist asks once typing has paused for pauseMs, and only if the text
// before the caret then still ends with its key. Undo and Redo run nothing.
void AutoRecognizeTag(SourceWindow *window);

} // namespace AutoRecognition
