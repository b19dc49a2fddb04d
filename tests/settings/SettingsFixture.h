#pragma once

#include "platform/SettingsStore.h"
#include "settings/SettingsIO.h"
#include "settings/Preferences.h"

#include <QFile>
#include <QTemporaryDir>

// A private configuration folder holding one settings file.
class TempConfig {
public:
    QString path() const { return dir_.filePath(QStringLiteral("Tavelle/Tavelle.conf")); }
    QString folder() const { return dir_.path(); }

    void write(const QByteArray& text) const
    {
        SettingsStore(path()).save(); // creates the folder
        QFile file(path());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(text);
    }
    QByteArray read() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// A fixed 96 dpi screen, so conversions do not depend on the test machine.
inline ScreenMetrics testScreen()
{
    return ScreenMetrics { 96.0, 96.0 };
}

// Defaults overlaid with a hand-written settings file.
inline Preferences loadFromText(const QByteArray& text)
{
    TempConfig config;
    config.write(text);
    Preferences preferences(testScreen());
    SettingsStore store(config.path());
    loadSettings(preferences, store);
    return preferences;
}
