#pragma once

// The loopback FTP server that the CTest fixture started for this test
// executable (tests/ftpclient/ftpserver.py), read from its state file.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTextStream>

class FtpTestServer
{
public:
    FtpTestServer()
    {
        QFile file(qEnvironmentVariable("QV_FTP_SERVER"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (const QString &line : lines) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq > 0)
                m_values.insert(line.left(eq), line.mid(eq + 1));
        }
    }

    bool isValid() const { return m_values.contains(QStringLiteral("port")); }
    QString url() const { return QStringLiteral("ftp://127.0.0.1:") + value("port"); }
    QString user() const { return value("user"); }
    QString password() const { return value("password"); }
    // The server's root folder, where tests arrange and inspect files directly.
    QString root(const QString &relative = QString()) const
    {
        return relative.isEmpty() ? value("root") : QDir(value("root")).filePath(relative);
    }

    // Every command the server received since the last clearLog().
    QStringList commands() const
    {
        QFile file(value("log"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    QString log() const { return commands().join(u'\n'); }
    qsizetype count(const QString &verb) const
    {
        qsizetype n = 0;
        const QStringList all = commands();
        for (const QString &command : all) {
            if (command.section(u' ', 0, 0).compare(verb, Qt::CaseInsensitive) == 0)
                ++n;
        }
        return n;
    }
    void clearLog() const
    {
        QFile file(value("log"));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }

    // Empties the root folder, so each test starts on a clean server.
    void clearRoot() const
    {
        QDir root(value("root"));
        const QStringList entries = root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                   | QDir::Hidden);
        for (const QString &entry : entries) {
            QFileInfo info(root.filePath(entry));
            if (info.isDir())
                QDir(info.filePath()).removeRecursively();
            else
                QFile::remove(info.filePath());
        }
    }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString value(const char *key) const { return m_values.value(QLatin1String(key)); }
    QHash<QString, QString> m_values;
};
