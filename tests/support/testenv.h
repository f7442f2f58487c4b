#pragma once

#include <QString>
#include <QTemporaryDir>

// A private world for one test executable: settings and the program folder
// live in temporary folders, and the program folder starts as a copy of data/.
class TestEnv
{
public:
    TestEnv();
    ~TestEnv();

    QString programFolder() const { return m_program.path(); }
    QString settingsFolder() const { return m_settings.path(); }
    // A scratch folder for documents the test writes.
    QString scratch(const QString &name = QString()) const;
    // Path of a file in tests/fixtures.
    static QString fixture(const QString &name);
    // Wipes the settings, so a test starts from defaults.
    void clearSettings();
    // Unloads every window and deletes it now, so the next test starts
    // without any.
    static void unloadWindows();
    // Deletes now what waits for deletion, windows that closed themselves too.
    static void flushDeletes();

private:
    QTemporaryDir m_program;
    QTemporaryDir m_settings;
    QTemporaryDir m_scratch;
};
