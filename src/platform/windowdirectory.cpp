#include "platform/windowdirectory.h"

QHash<QString, WindowDirectory::Factory> &WindowDirectory::factories()
{
    static QHash<QString, Factory> map;
    return map;
}

QHash<QString, QPointer<QWidget>> &WindowDirectory::instances()
{
    static QHash<QString, QPointer<QWidget>> map;
    return map;
}

void WindowDirectory::registerWindow(const QString &name, Factory factory)
{
    factories().insert(name, std::move(factory));
}

bool WindowDirectory::isRegistered(const QString &name)
{
    return factories().contains(name);
}

QWidget *WindowDirectory::loaded(const QString &name)
{
    return instances().value(name).data();
}

bool WindowDirectory::isLoaded(const QString &name)
{
    return loaded(name) != nullptr;
}

QWidget *WindowDirectory::touch(const QString &name)
{
    if (QWidget *existing = loaded(name))
        return existing;
    const auto factory = factories().constFind(name);
    if (factory == factories().constEnd())
        return nullptr;
    QWidget *window = (*factory)();
    if (!window)
        return nullptr;
    window->setObjectName(name);
    instances().insert(name, window);
    if (auto *step = dynamic_cast<LoadStep *>(window))
        step->load();
    return window;
}

void WindowDirectory::unload(const QString &name)
{
    QPointer<QWidget> window = instances().take(name);
    if (!window)
        return;
    window->hide();
    // Deferred, because a window usually unloads itself from its own handler.
    window->deleteLater();
}

void WindowDirectory::unloadAll()
{
    const QStringList names = instances().keys();
    for (const QString &name : names)
        unload(name);
}
