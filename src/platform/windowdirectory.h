#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// A window of the directory may have a load step, run once right after it
// is created and before anyone touches its members.
class LoadStep
{
public:
    virtual ~LoadStep() = default;
    virtual void load() = 0;
};

// One instance per window name: created and loaded on first touch, kept
// until it is unloaded by name or destroys itself.
class WindowDirectory
{
public:
    using Factory = std::function<QWidget *()>;

    // Registering a name again replaces its factory (tests use this to put a
    // recording window under a dialog's name).
    static void registerWindow(const QString &name, Factory factory);
    static bool isRegistered(const QString &name);

    // Creates and loads the window when needed; nullptr for an unknown name.
    static QWidget *touch(const QString &name);
    template <class T>
    static T *touch(const QString &name)
    {
        return qobject_cast<T *>(touch(name));
    }

    static bool isLoaded(const QString &name);
    static QWidget *loaded(const QString &name);
    // Hides and destroys the window; a name that is not loaded is skipped.
    static void unload(const QString &name);
    static void unloadAll();

private:
    static QHash<QString, Factory> &factories();
    static QHash<QString, QPointer<QWidget>> &instances();
};
