#include "editor/toolicons.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

namespace ToolIcons {

namespace {

struct Look {
    const char *theme;
    const char *glyph;
    QFont::Weight weight = QFont::Normal;
    bool italic = false;
    bool underline = false;
};

const QHash<QString, Look> &looks()
{
    static const QHash<QString, Look> map = {
        {"New", {"document-new", "N"}},
        {"Open", {"document-open", "O"}},
        {"Save", {"document-save", "S"}},
        {"Forward", {"document-print-preview", "\u25b6"}},
        {"Print", {"document-print", "P"}},
        {"Copy", {"edit-copy", "Cp"}},
        {"Cut", {"edit-cut", "\u2702"}},
        {"Paste", {"edit-paste", "Ps"}},
        {"Delete", {"edit-delete", "\u2715"}},
        {"Bold", {"format-text-bold", "B", QFont::Bold}},
        {"Italic", {"format-text-italic", "I", QFont::Normal, true}},
        {"Underline", {"format-text-underline", "U", QFont::Normal, false, true}},
        {"Align Left", {"format-justify-left", "\u2261"}},
        {"Center", {"format-justify-center", "\u2263"}},
        {"Align Right", {"format-justify-right", "\u2261"}},
        {"Find", {"edit-find", "\u2315"}},
        {"Undo", {"edit-undo", "\u21b6"}},
        {"Redo", {"edit-redo", "\u21b7"}},
        {"Properties", {"document-properties", "Pr"}},
        {"Drawing", {"draw-rectangle", "\u25ad"}},
        {"Help", {"help-contents", "?"}},
        {"remFormatting", {"format-text-clear", "Tx"}},
        {"Organizer", {"applications-internet", "V"}},
        {"Code", {"text-html", "</>"}},
        {"btnTools", {"applications-utilities", "\u2692"}},
        {"btnTintor", {"applications-graphics", "\u25d0"}},
        {"btnSpell", {"tools-check-spelling", "abc"}},
        {"btnShowTempClip", {"edit-paste", "T"}},
        {"btnCopyTempClip", {"edit-copy", "T+"}},
        {"btnForm", {"", "[ ]"}},
        {"btnOutdent", {"format-indent-less", "\u21e4"}},
        {"btnIndent", {"format-indent-more", "\u21e5"}},
        {"btnTable", {"x-office-spreadsheet", "\u25a6"}},
        {"btnRule", {"", "\u2015"}},
        {"btnImage", {"insert-image", "\u25a3"}},
        {"btnHighlight", {"", "H"}},
        {"btnFont", {"preferences-desktop-font", "F"}},
        {"btnLinks", {"insert-link", "\u221e"}},
        {"btnBullets", {"", "\u2022"}},
        {"btnNumbering", {"", "1."}},
    };
    return map;
}

QIcon drawn(const Look &look)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 110, 140));
    p.setBrush(QColor(232, 238, 247));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(QString::fromUtf8(look.glyph).size() > 2 ? 9 : 14);
    font.setWeight(look.weight);
    font.setItalic(look.italic);
    font.setUnderline(look.underline);
    p.setFont(font);
    p.setPen(QColor(30, 50, 90));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(look.glyph));
    return QIcon(pixmap);
}

} // namespace

QIcon icon(const QString &key)
{
    // Without a desktop icon theme (no desktop session, or one whose theme
    // lacks a name) the icons come from the theme the program's packages
    // install.
    static const bool fallbackSet = [] {
        const QString installed = QStringLiteral("Adwaita");
        QIcon::setFallbackThemeName(installed);
        // Without a desktop platform neither a theme nor the system's icon
        // folders are set, and no icon would be looked up.
        if (QIcon::themeName().isEmpty())
            QIcon::setThemeName(installed);
        QStringList paths = QIcon::themeSearchPaths();
        const QStringList dataFolders =
            QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
        for (const QString &data : dataFolders) {
            const QString icons = QDir(data).filePath(QStringLiteral("icons"));
            if (!paths.contains(icons) && QFileInfo(icons).isDir())
                paths << icons;
        }
        QIcon::setThemeSearchPaths(paths);
        return true;
    }();
    Q_UNUSED(fallbackSet);
    const auto it = looks().constFind(key);
    const Look look = it == looks().constEnd() ? Look{"", "?"} : *it;
    const QIcon ownIcon = drawn(look);
    return *look.theme ? QIcon::fromTheme(QLatin1String(look.theme), ownIcon) : ownIcon;
}

} // namespace ToolIcons
