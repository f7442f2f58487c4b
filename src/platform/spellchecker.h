#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class Hunspell;

// Spell checking of a page's text with our own dialog, one question per word
// that the dictionary does not know. Markup is never checked: tags, comments,
// entities and the content of script and style elements are skipped, and
// everything but the words the user changes comes back exactly as it went in.
class SpellChecker
{
public:
    // The dictionary of the locale's language (en_US when there is none).
    SpellChecker();
    // The dictionary files base.aff and base.dic.
    explicit SpellChecker(const QString &base);
    ~SpellChecker();

    // False, with reason(), when no dictionary could be opened.
    bool isReady() const { return m_speller != nullptr; }
    QString reason() const { return m_reason; }

    bool knows(const QString &word) const;
    QStringList suggestions(const QString &word) const;

    // Asks about every unknown word and returns the corrected text. Cancel
    // ends the questions and keeps the corrections made so far. No result
    // when the checker is not ready.
    std::optional<QString> check(const QString &text);

    // A word of the text: where it starts and how long it is.
    struct Word {
        qsizetype start;
        qsizetype length;
    };
    // The words outside markup, in order.
    static QList<Word> words(const QString &text);

    // Tests point the default dictionary at a fixture; empty restores it.
    static void setDictionaryForTests(const QString &base);
    // The dictionary the default constructor opens.
    static QString defaultDictionary();

private:
    // The word in the dictionary's encoding; no result when it cannot hold it.
    std::optional<std::string> encode(const QString &word) const;
    QString decode(const std::string &word) const;

    std::unique_ptr<Hunspell> m_speller;
    QString m_reason;
    QByteArray m_encoding;
};
