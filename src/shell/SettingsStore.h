// The settings store: "Software/Orvel/Resource Tallowin" of the user (a registry key on Windows,
// a configuration file elsewhere), every value a string, read and written value by value.
#pragma once

#include <QRect>
#include <QSettings>
#include <QSize>
#include <QStringList>
#include <memory>
#include <optional>

#include "shell/AppSettings.h"

namespace restallow {

class SettingsStore {
public:
    // A settings file larger than this is not read at all (QSettings would read it whole).
    static constexpr qint64 kLargestFile = 1024 * 1024;

    // The group is "Params" for the main window and "Options" for the options dialog.
    explicit SettingsStore(const QString& group);

    // The file was over kLargestFile: nothing is read from it and nothing written to it, until
    // TakeOver, when the user changed a setting, replaces it with a file of this program's own.
    bool oversized() const { return !settings_; }
    void TakeOver();

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // An absent value leaves the current one; an integer that is no number reads as 0.
    void readInt(const QString& name, int& value) const;
    void readLong(const QString& name, long long& value) const;
    // "True"/"False" in any letter case; other text leaves the current value.
    void readBool(const QString& name, bool& value) const;
    void readString(const QString& name, QString& value) const;
    // A list is stored as NAME_Count and NAME_1 .. NAME_n, each a string of its own.
    void readList(const QString& name, QStringList& values) const;
    void writeList(const QString& name, const QStringList& values);
    void write(const QString& name, const QString& text);
    void write(const QString& name, long long value) { write(name, QString::number(value)); }
    void writeBool(const QString& name, bool value) {
        write(name, value ? QStringLiteral("True") : QStringLiteral("False"));
    }
    std::optional<QString> value(const QString& name) const;
    void remove(const QString& name);
    void sync() {
        if (settings_) settings_->sync();
    }

    // The store's file (or registry path), for removal.
    QString location() const { return location_; }

private:
    std::unique_ptr<QSettings> settings_;
    QString location_;
    QString group_;
    bool enabled_ = true;
};

void ReadSettings(const SettingsStore& store, AppSettings& settings);
void WriteSettings(SettingsStore& store, const AppSettings& settings);

// The normal window rectangle with the screen it was stored for.
struct WindowPlacement {
    QRect normal;  // left, top, right+1, bottom+1 as stored
    bool minimized = false;
    bool visible = true;
    int pixelsPerInch = 96;
    QSize screen;
};

void WritePosition(SettingsStore& store, const WindowPlacement& placement);
// The rectangle to apply, when one was stored for this pixel density with left < right.
std::optional<QRect> ReadPosition(const SettingsStore& store, const QRect& current, int pixelsPerInch,
                                  const QSize& screen);

}  // namespace restallow
