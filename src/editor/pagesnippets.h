#pragma once

#include <QString>

#include <optional>

// The fixed snippets of HTML and script both main windows put into the page,
// and the whole-document edits that place them: each edit is computed from
// the text alone, so the source window applies it at its caret and the
// composer applies it to its copied document.
namespace PageSnippets {

// Replace length characters at start by text.
struct Splice {
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;

    QString appliedTo(const QString &page) const;
};

// An edit, or its refusal with the message to show (empty: refused silently).
struct Edit {
    std::optional<Splice> splice;
    QString refusal;

    bool ok() const { return splice.has_value(); }
};

inline const QString noHeadMessage =
    QStringLiteral("The Head tags <head> </head> are not found. Unable to proceed");
inline const QString scriptAddedMessage = QStringLiteral("The required script has been added");
inline const QString tagAddedMessage = QStringLiteral("The required tag has been added");

// The title text of the first title element replaced by title, or a new title
// element right before the first head end tag when there is none; refused
// silently when neither can be found. The title goes in as typed.
Edit pageTitle(const QString &page, const QString &title);

// snippet right before the first head end tag, in any letter case.
Edit beforeHeadEnd(const QString &page, const QString &snippet);

// The three head snippets.
QString rightClickBlock();
QString protectTextBlock();
QString imageToolbarTag();

// The snippets put at the caret.
QString bookmarkBlock();
QString layerElement();
// The Flash object for a file path (made safe inside its attributes).
QString flashObject(const QString &path);
// The link that offers to make address the visitor's home page.
QString homePageLink(const QString &address);

inline const QString flashFilter = QStringLiteral("Flash Files (*.swf)|*.swf");
inline const QString defaultHomePage = QStringLiteral("http://www.example.com/");

} // namespace PageSnippets
