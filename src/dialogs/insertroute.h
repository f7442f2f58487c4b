#pragma once

#include <QString>

// Where a dialog's HTML goes, decided from the target its opener wrote.
namespace InsertRoute {

enum class Route { Source, Composer, Console, Nothing };

// The route a dialog takes for each target value; the comparison is exact,
// so "Edit" is an other value like the empty one.
struct Policy {
    Route edit;
    Route comp;
    Route jsc;
    Route other;
};

inline constexpr Policy editElseComposer{Route::Source, Route::Composer, Route::Composer,
                                         Route::Composer};
inline constexpr Policy compElseSource{Route::Source, Route::Composer, Route::Source,
                                       Route::Source};
inline constexpr Policy editElseConsole{Route::Source, Route::Console, Route::Console,
                                        Route::Console};
inline constexpr Policy eachOrNothing{Route::Source, Route::Composer, Route::Console,
                                      Route::Nothing};
inline constexpr Policy sourceAlways{Route::Source, Route::Source, Route::Source, Route::Source};
inline constexpr Policy composerAlways{Route::Composer, Route::Composer, Route::Composer,
                                       Route::Composer};
// Windows that hand their work on to another window instead.
inline constexpr Policy deliversNothing{Route::Nothing, Route::Nothing, Route::Nothing,
                                        Route::Nothing};

// The policy of the dialog registered under name; editElseComposer for a
// name that is not in the table.
const Policy &policyOf(const QString &dialog);
bool hasPolicy(const QString &dialog);

Route pick(const Policy &policy, const QString &target);

// An insertion into a main window that is hidden while the other one shows
// would be overwritten by the next view switch, so it goes to the one showing.
Route visibleRoute(Route route, bool sourceShowing, bool composerShowing);

// Why a window's HTML cannot stand in the composer's page, which would
// change it into something else; empty when it can.
QString composerRefusal(const QString &window, const QString &html);

// Delivers a window's html by route, or by the other main window when that
// one is hidden and the other shows; HTML that cannot stand in the
// composer's page is refused there with a message, and false returned.
bool deliver(const QString &window, Route route, const QString &html);

// The ends of the routes.
void toSource(const QString &html);
void toComposer(const QString &html);
void toConsole(const QString &html);

// The selection of the view a route ends in, read now (the composer's as
// markup); empty for the console and for no route.
QString selectionIn(Route route);

// Selects the first text of the source page's body that equals text; where
// there is none, the selection shrinks to the caret, so an insertion there
// deletes nothing. False when the text was not found.
bool selectInSource(const QString &text);

bool sourceShowing();
bool composerShowing();

} // namespace InsertRoute

// The JavaScript console's code box, as the dialogs it opens write into it.
// Positions count characters from 0.
class ConsoleCode
{
public:
    virtual ~ConsoleCode() = default;
    virtual QString code() const = 0;
    virtual void setCode(const QString &text) = 0;
    // Replaces the selection, or inserts at the caret; the caret ends behind it.
    virtual void setSelText(const QString &text) = 0;
    // Where the selection begins, or the caret when nothing is selected.
    virtual qsizetype selStart() const = 0;
    virtual void select(qsizetype start, qsizetype length) = 0;
    virtual void focusCode() = 0;

    // The console window when it is loaded, else nullptr.
    static ConsoleCode *loaded();
};
