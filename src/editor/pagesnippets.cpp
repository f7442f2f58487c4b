#include "editor/pagesnippets.h"

#include "platform/htmlmarkup.h"

#include <QStringList>

namespace PageSnippets {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A block that begins and ends with an empty line.
QString block(const QStringList &lines)
{
    return kCrLf + lines.join(kCrLf) + kCrLf + kCrLf;
}

// Tags are found without regard to case; the positions are those of page.
qsizetype find(const QString &page, const QString &tag, qsizetype from = 0)
{
    return page.indexOf(tag, from, Qt::CaseInsensitive);
}

Edit spliced(qsizetype start, qsizetype length, const QString &text)
{
    return Edit{Splice{start, length, text}, QString()};
}

} // namespace

QString Splice::appliedTo(const QString &page) const
{
    QString result = page;
    return result.replace(start, length, text);
}

Edit pageTitle(const QString &page, const QString &title)
{
    const QString open = QStringLiteral("<title>");
    const qsizetype a = find(page, open);
    if (a < 0) {
        const qsizetype head = find(page, QStringLiteral("</head>"));
        if (head < 0)
            return {};
        return spliced(head, 0, open + title + QStringLiteral("</title>"));
    }
    // The end tag is looked for after the start tag, never before it.
    const qsizetype from = a + open.size();
    const qsizetype b = find(page, QStringLiteral("</title>"), from);
    if (b < 0)
        return {};
    return spliced(from, b - from, title);
}

Edit beforeHeadEnd(const QString &page, const QString &snippet)
{
    const qsizetype head = find(page, QStringLiteral("</head>"));
    if (head < 0)
        return Edit{std::nullopt, noHeadMessage};
    return spliced(head, 0, snippet);
}

QString rightClickBlock()
{
    return block({
        QStringLiteral("<!--  Script to prevent right click -->"),
        QStringLiteral("<SCRIPT TYPE=\"text/javascript\">"),
        QStringLiteral("<!--"),
        QStringLiteral("//Disable right click script"),
        QStringLiteral("var message=\"Sorry, right-click has been disabled\";"),
        QStringLiteral("function clickIE() {if (document.all) {(message);return false;}}"),
        QStringLiteral("function clickNS(e) {if"),
        QStringLiteral("(document.layers||(document.getElementById&&!document.all)) {"),
        QStringLiteral("if (e.which==2||e.which==3) {(message);return false;}}}"),
        QStringLiteral("if (document.layers)"),
        QStringLiteral("{document.captureEvents(Event.MOUSEDOWN);document.onmousedown=clickNS;}"),
        QStringLiteral("else{document.onmouseup=clickNS;document.oncontextmenu=clickIE;}"),
        QStringLiteral("document.oncontextmenu=new Function(\"return false\")"),
        QStringLiteral("// -->"),
        QStringLiteral("</SCRIPT>"),
        QStringLiteral("<!--  End Script to prevent right click -->"),
    });
}

QString protectTextBlock()
{
    return block({
        QStringLiteral("<!-- Script to prevent text copy and selection -->"),
        QStringLiteral("<SCRIPT TYPE=\"text/javascript\">"),
        QStringLiteral("<!--"),
        QStringLiteral("//Disable select-text script (IE4+, NS6+)"),
        QStringLiteral("function disableselect(e){"),
        QStringLiteral("return false"),
        QStringLiteral("}"),
        QStringLiteral("function reEnable(){"),
        QStringLiteral("return true"),
        QStringLiteral("}"),
        QStringLiteral("//if IE4+"),
        QStringLiteral("document.onselectstart=new Function (\"return false\")"),
        QStringLiteral("//if NS6"),
        QStringLiteral("if (window.sidebar){"),
        QStringLiteral("document.onmousedown = disableselect"),
        QStringLiteral("document.onclick = reEnable"),
        QStringLiteral("}"),
        QStringLiteral("// -->"),
        QStringLiteral("</SCRIPT>"),
        QStringLiteral("<!-- End Script to prevent text copy and selection -->"),
    });
}

QString imageToolbarTag()
{
    return QStringLiteral("<META HTTP-EQUIV=\"imagetoolbar\" CONTENT=\"no\">");
}

QString bookmarkBlock()
{
    // Offers the page's own bookmark link where the page can add one, and
    // the keyboard hint everywhere else.
    return block({
        QStringLiteral("<!-- Begin Bookmark Script -->"),
        QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">"),
        QStringLiteral("<!-- ;"),
        QStringLiteral("//This code is for IE v4 or better"),
        QStringLiteral("if (window.external && (\"AddFavorite\" in window.external)) "
                       "{document.write('<span style=\"color:#000FFF;cursor:pointer;"
                       "text-decoration:underline\" onclick=\"window.external.AddFavorite("
                       "location.href, document.title)\">Add this page to your favorites"
                       "</span>')}"),
        QStringLiteral("//This code posts text if not"),
        QStringLiteral("else"),
        QStringLiteral("{document.write(\"Hit CTRL-D to bookmark this page\")}"),
        QStringLiteral("// end hide -->"),
        QStringLiteral("</SCRIPT>"),
        QStringLiteral("<!-- End Bookmark Script -->"),
    });
}

QString layerElement()
{
    return QStringLiteral("<div style=\"height: 100px; left: 10px; position: absolute; "
                          "top: 10px; width: 200px\">New Layer</div>");
}

QString flashObject(const QString &path)
{
    const QString f = HtmlMarkup::attribute(path);
    return QStringLiteral("<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\""
                          " codebase=\"http://download.macromedia.com/pub/shockwave/cabs/"
                          "flash/swflash.cab#version=6,0,29,0\" width=\"80\" height=\"120\">")
           + QStringLiteral("<param name=\"movie\" value=\"") + f + QStringLiteral("\">")
           + QStringLiteral("<param name=\"quality\" value=\"high\">")
           + QStringLiteral("<embed src=\"") + f
           + QStringLiteral("\" quality=\"high\" pluginspage=\"http://www.macromedia.com/go/"
                            "getflashplayer\" type=\"application/x-shockwave-flash\" "
                            "width=\"80\" height=\"120\"></embed>")
           + QStringLiteral("</object>");
}

QString homePageLink(const QString &address)
{
    // The address stands in a single-quoted script string inside an attribute.
    QString js = address;
    js.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return QStringLiteral("<a style=\"cursor:hand;font-family:comic sans ms\" "
                          "onclick=\"this.style.behavior='url(#default#homepage)';"
                          "this.setHomePage('")
           + HtmlMarkup::attribute(js)
           + QStringLiteral("');\"><b>Make us your Homepage</b></a>");
}

} // namespace PageSnippets
