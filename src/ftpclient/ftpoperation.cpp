#include "ftpclient/ftpoperation.h"

#include <QDir>

namespace {

struct Verb {
    const char *word;
    FtpOperation::Kind kind;
    int arguments;
};

constexpr Verb verbs[] = {
    {"DIR", FtpOperation::Dir, 0},       {"CD", FtpOperation::Cd, 1},
    {"CDUP", FtpOperation::CdUp, 0},     {"MKDIR", FtpOperation::MkDir, 1},
    {"RMDIR", FtpOperation::RmDir, 1},   {"DELETE", FtpOperation::Delete, 1},
    {"RENAME", FtpOperation::Rename, 2}, {"PUT", FtpOperation::Put, 2},
    {"GET", FtpOperation::Get, 2},       {"CLOSE", FtpOperation::Close, 0},
};

const Verb &verbOf(FtpOperation::Kind kind)
{
    for (const Verb &verb : verbs) {
        if (verb.kind == kind)
            return verb;
    }
    return verbs[0];
}

} // namespace

QString FtpOperation::text() const
{
    const Verb &verb = verbOf(kind);
    QString out = QString::fromLatin1(verb.word);
    if (verb.arguments >= 1)
        out += u' ' + first;
    if (verb.arguments == 2)
        out += u' ' + second;
    return out;
}

std::optional<FtpOperation> FtpOperation::parse(const QString &text)
{
    const qsizetype blank = text.indexOf(u' ');
    const QString word = (blank < 0 ? text : text.left(blank)).toUpper();
    const QString rest = blank < 0 ? QString() : text.mid(blank + 1);
    for (const Verb &verb : verbs) {
        if (word != QLatin1String(verb.word))
            continue;
        FtpOperation op;
        op.kind = verb.kind;
        if (verb.arguments == 1) {
            op.first = rest;
        } else if (verb.arguments == 2) {
            const qsizetype split = rest.indexOf(u' ');
            if (split < 0)
                return std::nullopt;
            op.first = rest.left(split);
            op.second = rest.mid(split + 1);
        }
        if (verb.arguments > 0 && op.first.isEmpty())
            return std::nullopt;
        return op;
    }
    return std::nullopt;
}

bool FtpOperation::isUnsafeName(const QString &name)
{
    return name.contains(u'\r') || name.contains(u'\n') || name.contains(QChar(0));
}

QString FtpOperation::localName(const QString &remoteName)
{
    for (const QChar c : remoteName) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QString();
    }
    const qsizetype cut = qMax(remoteName.lastIndexOf(u'/'), remoteName.lastIndexOf(u'\\'));
    const QString last = remoteName.mid(cut + 1);
    if (last == u"." || last == u"..")
        return QString();
    return last;
}

QStringList FtpOperation::remoteNames() const
{
    switch (kind) {
    case Cd: case MkDir: case RmDir: case Delete: case Get:
        return {first};
    case Rename:
        return {first, second};
    case Put:
        return {second};
    default:
        return {};
    }
}

namespace RemotePath {

QString resolve(const QString &currentFolder, const QString &name)
{
    const QString joined = name.startsWith(u'/') ? name : currentFolder + u'/' + name;
    QString clean = QDir::cleanPath(u'/' + joined);
    // cleanPath leaves a leading ".." of a rooted path alone; the root has no parent.
    while (clean == QLatin1String("/..") || clean.startsWith(QLatin1String("/../")))
        clean = clean.size() == 3 ? QStringLiteral("/") : clean.mid(3);
    return clean;
}

QString parent(const QString &folder)
{
    return resolve(folder, QStringLiteral(".."));
}

} // namespace RemotePath
