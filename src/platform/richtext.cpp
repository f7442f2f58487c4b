#include "platform/richtext.h"

#include "platform/regularfile.h"
#include "platform/textfiles.h"

#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace RichText {

namespace {

struct State {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;  // 0: no size of its own
    Qt::Alignment alignment = Qt::AlignLeft;
    int spaceBefore = 0;  // twips
    int spaceAfter = 0;
    int leftIndent = 0;
    int uc = 1;          // fallback characters that follow a \uN
    bool skip = false;   // inside a group whose text is not shown
};

// What the parser produces. A paragraph mark is held back until more text
// follows, so the mark that ends the last paragraph adds no empty one.
class Sink
{
public:
    virtual ~Sink() = default;

    void text(const QString &text, const State &state)
    {
        emitPendingBreak();
        addText(text, state);
    }
    void lineBreak(const State &state)
    {
        emitPendingBreak();
        addLineBreak(state);
    }
    void paragraph(const State &state)
    {
        emitPendingBreak();
        m_pendingBreak = true;
        m_breakState = state;
    }

protected:
    virtual void addText(const QString &text, const State &state) = 0;
    virtual void addLineBreak(const State &state) = 0;
    virtual void addParagraph(const State &state) = 0;

private:
    void emitPendingBreak()
    {
        if (m_pendingBreak) {
            m_pendingBreak = false;
            addParagraph(m_breakState);
        }
    }

    bool m_pendingBreak = false;
    State m_breakState;
};

class PlainSink : public Sink
{
public:
    QString result;

protected:
    void addText(const QString &text, const State &) override { result += text; }
    void addLineBreak(const State &) override { result += u"\r\n"; }
    void addParagraph(const State &) override { result += u"\r\n"; }
};

class DocumentSink : public Sink
{
public:
    explicit DocumentSink(QTextDocument *document) : m_cursor(document) {}

protected:
    void addText(const QString &text, const State &state) override
    {
        align(state);
        QTextCharFormat format;
        format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state.italic);
        format.setFontUnderline(state.underline);
        if (state.halfPoints > 0)
            format.setFontPointSize(state.halfPoints / 2.0);
        m_cursor.insertText(text, format);
    }
    void addLineBreak(const State &state) override
    {
        align(state);
        m_cursor.insertText(QString(QChar::LineSeparator));
    }
    void addParagraph(const State &state) override
    {
        align(state);
        m_cursor.insertBlock();
    }

private:
    void align(const State &state)
    {
        // Twips to pixels at the usual 96 dots per inch.
        constexpr double twipsPerPixel = 15.0;
        QTextBlockFormat format;
        format.setAlignment(state.alignment);
        format.setTopMargin(state.spaceBefore / twipsPerPixel);
        format.setBottomMargin(state.spaceAfter / twipsPerPixel);
        format.setLeftMargin(state.leftIndent / twipsPerPixel);
        if (m_cursor.blockFormat() != format)
            m_cursor.setBlockFormat(format);
    }

    QTextCursor m_cursor;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Groups whose content is never text of the page.
bool isSkippedDestination(QByteArrayView word)
{
    static const char *const names[] = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "headerl",
        "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
        "annotation", "fldinst", "xe", "tc", "listtable", "listoverridetable", "rsidtbl",
        "revtbl", "filetbl", "generator", "themedata", "colorschememapping", "datastore",
        "latentstyles", "xmlnstbl", "bkmkstart", "bkmkend", "nonshppict", "shp", "pn",
        "userprops", "docvar", "template", "private"};
    for (const char *name : names) {
        if (word == name)
            return true;
    }
    return false;
}

// Control words that stand for one character.
char16_t symbolFor(QByteArrayView word)
{
    static const struct {
        const char *word;
        char16_t ch;
    } symbols[] = {
        {"tab", u'\t'},       {"cell", u'\t'},      {"emdash", 0x2014},  {"endash", 0x2013},
        {"bullet", 0x2022},   {"lquote", 0x2018},   {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"zwj", 0x200D},      {"zwnj", 0x200C}};
    for (const auto &symbol : symbols) {
        if (word == symbol.word)
            return symbol.ch;
    }
    return 0;
}

class Parser
{
public:
    Parser(const QByteArray &rtf, Sink &sink) : m_rtf(rtf), m_sink(sink)
    {
        setCodePage(1252);
    }

    void run()
    {
        const qsizetype n = m_rtf.size();
        while (m_pos < n) {
            const char c = m_rtf.at(m_pos);
            if (c == '{') {
                flush();
                m_stack.append(m_state);
                m_fallback = 0;
                ++m_pos;
            } else if (c == '}') {
                flush();
                m_fallback = 0;
                ++m_pos;
                if (m_stack.isEmpty())
                    break;
                m_state = m_stack.takeLast();
                // The group that holds the whole document has ended.
                if (m_stack.isEmpty())
                    break;
            } else if (c == '\\') {
                controlSequence();
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else if (c == '\t') {
                ++m_pos;
                addChar(u'\t');
            } else {
                ++m_pos;
                addByte(c);
            }
        }
        flush();
    }

private:
    void setCodePage(int codePage)
    {
        constexpr int utf8CodePage = 65001;
        auto decoder = codePage == utf8CodePage
                           ? std::make_unique<QStringDecoder>(QStringConverter::Utf8)
                           : std::make_unique<QStringDecoder>(
                                 QByteArray("windows-" + QByteArray::number(codePage)).constData());
        if (!decoder->isValid())
            decoder = std::make_unique<QStringDecoder>("windows-1252");
        if (!decoder->isValid())
            decoder = std::make_unique<QStringDecoder>(QStringConverter::Latin1);
        flush();
        m_decoder = std::move(decoder);
    }

    bool consumeFallback()
    {
        if (m_fallback > 0) {
            --m_fallback;
            return true;
        }
        return false;
    }

    void addByte(char byte)
    {
        if (consumeFallback() || m_state.skip)
            return;
        m_bytes += byte;
    }

    void addChar(QChar ch)
    {
        if (consumeFallback() || m_state.skip)
            return;
        decodeBytes();
        m_text += ch;
    }

    void decodeBytes()
    {
        if (!m_bytes.isEmpty()) {
            m_text += m_decoder->decode(m_bytes);
            m_bytes.clear();
        }
    }

    void flush()
    {
        decodeBytes();
        if (!m_text.isEmpty()) {
            m_sink.text(m_text, m_state);
            m_text.clear();
        }
    }

    void controlSequence()
    {
        const qsizetype n = m_rtf.size();
        ++m_pos;  // the backslash
        if (m_pos >= n)
            return;
        const char c = m_rtf.at(m_pos);
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < n && isLetter(m_rtf.at(m_pos)))
            ++m_pos;
        const QByteArrayView word(m_rtf.constData() + start, m_pos - start);
        bool hasParam = false;
        bool negative = false;
        qint64 param = 0;
        if (m_pos < n && m_rtf.at(m_pos) == '-' && m_pos + 1 < n
            && isDigit(m_rtf.at(m_pos + 1))) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < n && isDigit(m_rtf.at(m_pos))) {
            hasParam = true;
            if (param < 100000000)
                param = param * 10 + (m_rtf.at(m_pos) - '0');
            ++m_pos;
        }
        if (negative)
            param = -param;
        if (m_pos < n && m_rtf.at(m_pos) == ' ')
            ++m_pos;
        controlWord(word, hasParam, static_cast<int>(param));
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addChar(QLatin1Char(c));
            break;
        case '~':
            addChar(QChar(0x00A0));
            break;
        case '_':
            addChar(QChar(0x2011));
            break;
        case '\'': {
            const qsizetype n = m_rtf.size();
            const int high = m_pos < n ? hexValue(m_rtf.at(m_pos)) : -1;
            const int low = m_pos + 1 < n ? hexValue(m_rtf.at(m_pos + 1)) : -1;
            if (high >= 0 && low >= 0) {
                m_pos += 2;
                addByte(static_cast<char>(high * 16 + low));
            }
            break;
        }
        case '*':
            // An ignorable destination: none of them carries text we show.
            flush();
            m_state.skip = true;
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:  // optional hyphen, index entries and the like
            break;
        }
    }

    void paragraph()
    {
        flush();
        if (!m_state.skip)
            m_sink.paragraph(m_state);
    }

    void controlWord(QByteArrayView word, bool hasParam, int param)
    {
        const bool on = !hasParam || param != 0;
        if (word == "u") {
            m_fallback = 0;
            addChar(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param)));
            m_fallback = m_state.uc;
            return;
        }
        if (word == "bin") {
            // Binary data of the given length follows, whatever it contains.
            flush();
            m_pos = qMin(m_rtf.size(), m_pos + qMax(param, 0));
            return;
        }
        if (const char16_t ch = symbolFor(word)) {
            addChar(QChar(ch));
            return;
        }
        flush();
        m_fallback = 0;
        if (word == "par" || word == "sect" || word == "page" || word == "row") {
            paragraph();
        } else if (word == "line") {
            if (!m_state.skip)
                m_sink.lineBreak(m_state);
        } else if (isSkippedDestination(word)) {
            m_state.skip = true;
        } else if (word == "b") {
            m_state.bold = on;
        } else if (word == "i") {
            m_state.italic = on;
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw") {
            m_state.underline = on;
        } else if (word == "ulnone") {
            m_state.underline = false;
        } else if (word == "fs") {
            m_state.halfPoints = hasParam ? qMax(param, 0) : 24;
        } else if (word == "plain") {
            m_state.bold = m_state.italic = m_state.underline = false;
            m_state.halfPoints = 0;
        } else if (word == "pard") {
            m_state.alignment = Qt::AlignLeft;
            m_state.spaceBefore = m_state.spaceAfter = m_state.leftIndent = 0;
        } else if (word == "sb") {
            m_state.spaceBefore = qMax(param, 0);
        } else if (word == "sa") {
            m_state.spaceAfter = qMax(param, 0);
        } else if (word == "li") {
            m_state.leftIndent = qMax(param, 0);
        } else if (word == "ql") {
            m_state.alignment = Qt::AlignLeft;
        } else if (word == "qc") {
            m_state.alignment = Qt::AlignHCenter;
        } else if (word == "qr") {
            m_state.alignment = Qt::AlignRight;
        } else if (word == "qj") {
            m_state.alignment = Qt::AlignJustify;
        } else if (word == "uc") {
            m_state.uc = qMax(param, 0);
        } else if (word == "ansicpg" && hasParam) {
            setCodePage(param);
        }
    }

    const QByteArray &m_rtf;
    Sink &m_sink;
    qsizetype m_pos = 0;
    State m_state;
    QList<State> m_stack;
    int m_fallback = 0;
    QByteArray m_bytes;
    QString m_text;
    std::unique_ptr<QStringDecoder> m_decoder;
};

} // namespace

bool isRtf(const QByteArray &bytes)
{
    return bytes.startsWith("{\\rtf");
}

void read(const QByteArray &bytes, QTextDocument *document)
{
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    if (isRtf(bytes)) {
        document->clear();
        DocumentSink sink(document);
        Parser(bytes, sink).run();
    } else {
        document->setPlainText(TextFiles::decode(bytes));
    }
    document->setUndoRedoEnabled(undo);
    document->setModified(false);
}

bool readFile(const QString &path, QTextDocument *document, QString *error)
{
    QByteArray bytes;
    if (!RegularFile::readAll(path, &bytes, error))
        return false;
    read(bytes, document);
    return true;
}

QString toPlainText(const QByteArray &bytes)
{
    if (!isRtf(bytes))
        return TextFiles::toCrLf(TextFiles::decode(bytes));
    PlainSink sink;
    Parser(bytes, sink).run();
    return sink.result;
}

bool readPlainTextFile(const QString &path, QString *text, QString *error)
{
    QByteArray bytes;
    if (!RegularFile::readAll(path, &bytes, error))
        return false;
    *text = toPlainText(bytes);
    return true;
}

QString fromPlainText(const QString &text)
{
    QString out = QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
        "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n"
        "\\pard\\plain\\f0\\fs20 ");
    out.reserve(out.size() + text.size() + text.size() / 8 + 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            out += u"\\par\r\n";
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            out += u'\\';
            out += QChar(c);
        } else if (c == u'\t') {
            out += u"\\tab ";
        } else if (c >= 0x20 && c < 0x7F) {
            out += QChar(c);
        } else {
            out += u"\\u";
            out += QString::number(static_cast<qint16>(c));
            out += u'?';
        }
    }
    // Word processors end the last paragraph with a mark of its own.
    out += u"\\par\r\n}";
    return out;
}

bool writePlainTextFile(const QString &path, const QString &text, QString *error)
{
    return TextFiles::write(path, fromPlainText(text), error);
}

} // namespace RichText
