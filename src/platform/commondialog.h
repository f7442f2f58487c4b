#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;

// The stateful open/save/colour/print dialog object. Its fields persist
// between calls, so what one command leaves in FileName the next one sees.
// A cancel is the false result of a Show call; FileName is then unchanged.
class CommonDialog
{
public:
    QString FileName;
    QString Filter; // "Label|pattern|Label|pattern", patterns separated by ';'
    int FilterIndex = 1;
    QString DefaultExt;
    QString DialogTitle;
    QString InitDir;
    int Flags = 0;
    bool CancelError = false;
    QColor Color;
    // The folder of the current document, where a file dialog starts when
    // FileName and InitDir say nothing; else it starts where the last one
    // ended in this run.
    std::function<QString()> documentFolder;

    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    bool ShowPrinter(QPrinter *printer);
    // The printer this object's print and page setup dialogs share.
    QPrinter *printer();
    bool ShowPageSetup();

    // "HTML (*.htm;*.html)|*.htm;*.html" becomes "HTML (*.htm *.html)"; a label
    // without its patterns gets them appended.
    static QString qtFilter(const QString &filter);

private:
    QString initialPath() const;

    std::shared_ptr<QPrinter> m_printer;
};
