#include "platform/spellchecker.h"

#include "platform/prompter.h"
#include "platform/spelldialog.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

namespace {

QString &testDictionary()
{
    static QString base;
    return base;
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == QChar(0x2019);
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

// The end of the markup that starts at i with '<', or i + 1 when the '<' is
// plain text. Script and style elements end after their end tags.
qsizetype skipMarkup(const QString &text, qsizetype i)
{
    const qsizetype n = text.size();
    if (text.mid(i, 4) == u"<!--") {
        const qsizetype end = text.indexOf(QStringLiteral("-->"), i + 4);
        return end < 0 ? n : end + 3;
    }
    if (i + 1 >= n)
        return n;
    const QChar next = text.at(i + 1);
    if (!next.isLetter() && next != u'/' && next != u'!' && next != u'?')
        return i + 1;
    // The tag ends at the first '>' outside a quoted attribute value.
    qsizetype j = i + 1;
    QChar quote;
    for (; j < n; ++j) {
        const QChar c = text.at(j);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            break;
        }
    }
    if (j >= n)
        return n;
    qsizetype nameEnd = i + 1;
    while (nameEnd < j && text.at(nameEnd).isLetterOrNumber())
        ++nameEnd;
    const QString name = text.mid(i + 1, nameEnd - i - 1).toLower();
    if (name == u"script" || name == u"style") {
        const qsizetype close = text.indexOf(QStringLiteral("</") + name, j,
                                             Qt::CaseInsensitive);
        if (close < 0)
            return n;
        const qsizetype gt = text.indexOf(u'>', close);
        return gt < 0 ? n : gt + 1;
    }
    return j + 1;
}

// The end of an entity starting at i with '&', or i + 1 when it is none.
qsizetype skipEntity(const QString &text, qsizetype i)
{
    qsizetype j = i + 1;
    if (j < text.size() && text.at(j) == u'#')
        ++j;
    const qsizetype first = j;
    while (j < text.size() && text.at(j).isLetterOrNumber() && j - first < 32)
        ++j;
    if (j > first && j < text.size() && text.at(j) == u';')
        return j + 1;
    return i + 1;
}

QStringList dictionaryFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts")};
}

bool hasDictionary(const QString &base)
{
    return QFileInfo(base + QStringLiteral(".aff")).isReadable()
           && QFileInfo(base + QStringLiteral(".dic")).isReadable();
}

} // namespace

void SpellChecker::setDictionaryForTests(const QString &base)
{
    testDictionary() = base;
}

QString SpellChecker::defaultDictionary()
{
    if (!testDictionary().isEmpty())
        return testDictionary();
    const QStringList names{QLocale::system().name(), QStringLiteral("en_US")};
    for (const QString &name : names) {
        for (const QString &folder : dictionaryFolders()) {
            const QString base = folder + u'/' + name;
            if (hasDictionary(base))
                return base;
        }
    }
    return QStringLiteral("/usr/share/hunspell/en_US");
}

SpellChecker::SpellChecker()
    : SpellChecker(defaultDictionary())
{
}

SpellChecker::SpellChecker(const QString &base)
{
    if (!hasDictionary(base)) {
        m_reason = QStringLiteral("No spelling dictionary was found at %1.").arg(base);
        return;
    }
    const QByteArray aff = QFile::encodeName(base + QStringLiteral(".aff"));
    const QByteArray dic = QFile::encodeName(base + QStringLiteral(".dic"));
    m_speller = std::make_unique<Hunspell>(aff.constData(), dic.constData());
    // Dictionaries name ISO encodings "ISO8859-2"; the converters know "ISO-8859-2".
    m_encoding = QByteArray::fromStdString(m_speller->get_dict_encoding());
    if (m_encoding.toUpper().startsWith("ISO8859"))
        m_encoding = "ISO-8859" + m_encoding.mid(7);
    if (!QStringEncoder(m_encoding.constData()).isValid())
        m_encoding = "ISO-8859-1";
}

SpellChecker::~SpellChecker() = default;

std::optional<std::string> SpellChecker::encode(const QString &word) const
{
    QStringEncoder encoder(m_encoding.constData());
    const QByteArray bytes = encoder(word);
    if (encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

QString SpellChecker::decode(const std::string &word) const
{
    QStringDecoder decoder(m_encoding.constData());
    return decoder(QByteArray::fromStdString(word));
}

bool SpellChecker::knows(const QString &word) const
{
    if (!m_speller)
        return false;
    // A word the dictionary's encoding cannot hold is not questioned.
    const auto encoded = encode(word);
    return !encoded || m_speller->spell(*encoded);
}

QStringList SpellChecker::suggestions(const QString &word) const
{
    QStringList out;
    const auto encoded = encode(word);
    if (!m_speller || !encoded)
        return out;
    for (const std::string &s : m_speller->suggest(*encoded))
        out << decode(s);
    return out;
}

QList<SpellChecker::Word> SpellChecker::words(const QString &text)
{
    QList<Word> out;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'<') {
            i = skipMarkup(text, i);
        } else if (c == u'&') {
            i = skipEntity(text, i);
        } else if (isWordChar(c)) {
            const qsizetype start = i;
            bool digit = false;
            while (i < n) {
                const QChar d = text.at(i);
                if (isWordChar(d)) {
                    digit = digit || d.isDigit();
                    ++i;
                } else if (isApostrophe(d) && i + 1 < n && text.at(i + 1).isLetter()
                           && i > start) {
                    ++i;
                } else {
                    break;
                }
            }
            // Numbers and codes such as "h1" are no words.
            if (!digit)
                out.append({start, i - start});
        } else {
            ++i;
        }
    }
    return out;
}

std::optional<QString> SpellChecker::check(const QString &text)
{
    if (!m_speller)
        return std::nullopt;
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    QHash<QString, QString> changeAll;
    QSet<QString> ignoreAll;
    SpellDialog dialog;
    for (const Word &w : words(text)) {
        const QString word = text.mid(w.start, w.length);
        out += QStringView(text).mid(copied, w.start - copied);
        copied = w.start + w.length;
        if (const auto it = changeAll.constFind(word); it != changeAll.cend()) {
            out += *it;
            continue;
        }
        if (ignoreAll.contains(word) || knows(word)) {
            out += word;
            continue;
        }
        // The line of the word, at most 60 characters either side (searched
        // only there, so a long line costs no more than a short one).
        const qsizetype before = std::max<qsizetype>(0, w.start - 60);
        const QStringView left = QStringView(text).mid(before, w.start - before);
        const qsizetype from = before + std::max(left.lastIndexOf(u'\n'),
                                                 left.lastIndexOf(u'\r')) + 1;
        const QStringView right = QStringView(text).mid(copied, 60);
        qsizetype to = right.size();
        for (const QChar end : {QChar(u'\r'), QChar(u'\n')}) {
            const qsizetype at = right.indexOf(end);
            if (at >= 0)
                to = std::min(to, at);
        }
        to += copied;
        dialog.ask(text.mid(from, to - from), w.start - from, w.length, suggestions(word));
        const auto action = Prompter::instance().runDialog(&dialog) ? dialog.action()
                                                                    : SpellDialog::Action::Cancel;
        switch (action) {
        case SpellDialog::Action::ChangeAll:
            changeAll.insert(word, dialog.changeTo());
            Q_FALLTHROUGH();
        case SpellDialog::Action::Change:
            out += dialog.changeTo();
            break;
        case SpellDialog::Action::IgnoreAll:
            ignoreAll.insert(word);
            Q_FALLTHROUGH();
        case SpellDialog::Action::Ignore:
            out += word;
            break;
        case SpellDialog::Action::Cancel:
            out += QStringView(text).mid(w.start);
            return out;
        }
    }
    out += QStringView(text).mid(copied);
    return out;
}
