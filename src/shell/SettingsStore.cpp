// Reading and writing settings as trimmed strings.
#include "shell/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <array>

namespace restallow {

namespace {

std::unique_ptr<QSettings> OpenSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvel"),
                                       QStringLiteral("Resource Tallowin"));
}

// Where the settings file lies, found without reading it: a store of another name beside it has
// no file, so asking it costs nothing. (On Windows the store is the registry, no file at all.)
QString SettingsFileName() {
    const QSettings beside(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvel"),
                           QStringLiteral("Resource Tallowin location"));
    const QFileInfo probe(beside.fileName());
    return probe.path() + QStringLiteral("/Resource Tallowin.") + probe.suffix();
}

bool Oversized(const QString& fileName) {
    const QFileInfo file(fileName);
    return file.isFile() && file.size() > SettingsStore::kLargestFile;
}

}  // namespace

SettingsStore::SettingsStore(const QString& group) : group_(group) {
    const QString fileName = SettingsFileName();
    if (!Oversized(fileName)) settings_ = OpenSettings();
    location_ = settings_ ? settings_->fileName() : fileName;
}

void SettingsStore::TakeOver() {
    if (settings_) return;
    if (Oversized(location_)) QFile::remove(location_);
    settings_ = OpenSettings();
}

std::optional<QString> SettingsStore::value(const QString& name) const {
    if (!enabled_ || !settings_) return std::nullopt;
    const QString key = group_ + u'/' + name;
    if (!settings_->contains(key)) return std::nullopt;
    return settings_->value(key).toString().trimmed();
}

void SettingsStore::readInt(const QString& name, int& value) const {
    if (const auto text = this->value(name)) value = text->toInt();  // not a number: 0
}

void SettingsStore::readLong(const QString& name, long long& value) const {
    if (const auto text = this->value(name)) value = text->toLongLong();
}

void SettingsStore::readBool(const QString& name, bool& value) const {
    const auto text = this->value(name);
    if (!text) return;
    if (text->compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        value = true;
    else if (text->compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
        value = false;
}

void SettingsStore::readString(const QString& name, QString& value) const {
    if (const auto text = this->value(name)) value = *text;
}

void SettingsStore::readList(const QString& name, QStringList& values) const {
    const auto count = value(name + QStringLiteral("_Count"));
    if (!count) return;
    QStringList read;
    for (int i = 1; i <= count->toInt(); ++i) {
        if (const auto item = value(name + u'_' + QString::number(i)); item && !item->isEmpty()) read << *item;
    }
    values = read;
}

void SettingsStore::writeList(const QString& name, const QStringList& values) {
    const auto before = value(name + QStringLiteral("_Count"));
    for (int i = static_cast<int>(values.size()) + 1; before && i <= before->toInt(); ++i)
        remove(name + u'_' + QString::number(i));
    write(name + QStringLiteral("_Count"), static_cast<long long>(values.size()));
    for (qsizetype i = 0; i < values.size(); ++i) write(name + u'_' + QString::number(i + 1), values[i]);
}

void SettingsStore::write(const QString& name, const QString& text) {
    if (enabled_ && settings_) settings_->setValue(group_ + u'/' + name, text.trimmed());
}

void SettingsStore::remove(const QString& name) {
    if (enabled_ && settings_) settings_->remove(group_ + u'/' + name);
}

namespace {

// Every stored setting of the main window, in the order it is read and written.
template <typename Settings, typename Visit>
void ForEachStored(Settings& s, Visit visit) {
    visit("OpenDlg_InitialDir", s.list.InitialDir);
    visit("OpenDlg_FilterIndex", s.list.FilterIndex);
    visit("Filename1_InitialDir", s.Filename1InitialDir);
    visit("Filename1_FilterIndex", s.Filename1FilterIndex);
    visit("Filename2_InitialDir", s.Filename2InitialDir);
    visit("SaveDlg_InitialDir", s.list.SaveDir);
    visit("SaveDlg_FilterIndex", s.list.SaveFilterIndex);
    visit("Language_Value", s.list.Language);
    visit("StartID_Value", s.list.StartID);
    visit("Prev_Left", s.PrevLeft);
    visit("Prev_Top", s.PrevTop);
    visit("cbPreview_Checked", s.PreviewChecked);
    visit("ResKind_Value", s.list.ResKind);
    visit("Hints_Value", s.Hints);
    visit("Queries_Value", s.Queries);
    visit("ShowInfo_Value", s.ShowInfo);
    visit("CI_Value", s.list.CI);
    visit("Outfit_Value", s.Outfit);
    visit("Compiler_Include", s.IncludeDirs);
    visit("Compiler_Define", s.Defines);
}

void Read(const SettingsStore& store, const QString& name, QString& value) { store.readString(name, value); }
void Read(const SettingsStore& store, const QString& name, int& value) { store.readInt(name, value); }
void Read(const SettingsStore& store, const QString& name, long long& value) { store.readLong(name, value); }
void Read(const SettingsStore& store, const QString& name, bool& value) { store.readBool(name, value); }
void Read(const SettingsStore& store, const QString& name, QStringList& value) { store.readList(name, value); }
void Write(SettingsStore& store, const QString& name, const QString& value) { store.write(name, value); }
void Write(SettingsStore& store, const QString& name, long long value) { store.write(name, value); }
void Write(SettingsStore& store, const QString& name, bool value) { store.writeBool(name, value); }
void Write(SettingsStore& store, const QString& name, const QStringList& value) { store.writeList(name, value); }

}  // namespace

void ReadSettings(const SettingsStore& store, AppSettings& settings) {
    ForEachStored(settings, [&store](const char* name, auto& value) { Read(store, QString::fromLatin1(name), value); });
}

void WriteSettings(SettingsStore& store, const AppSettings& settings) {
    ForEachStored(settings, [&store](const char* name, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, int>) {
            Write(store, QString::fromLatin1(name), static_cast<long long>(value));
        } else {
            Write(store, QString::fromLatin1(name), value);
        }
    });
    store.sync();
}

namespace {

QString SizeSuffix(const QSize& screen) { return QStringLiteral("(%1x%2)").arg(screen.width()).arg(screen.height()); }

// Four comma-separated integers; a part that is no number takes the fallback's.
std::array<int, 4> FourInts(const QString& text, const std::array<int, 4>& fallback) {
    const QStringList parts = text.split(u',');
    std::array<int, 4> values = fallback;
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        bool ok = false;
        const int value = parts[i].trimmed().toInt(&ok);
        if (ok) values[i] = value;
    }
    return values;
}

}  // namespace

void WritePosition(SettingsStore& store, const WindowPlacement& p) {
    const QString suffix = SizeSuffix(p.screen);
    const QString minMax = QStringLiteral("-1,-1,-1,-1");
    const QString normal = QStringLiteral("%1,%2,%3,%4")
                               .arg(p.normal.left())
                               .arg(p.normal.top())
                               .arg(p.normal.left() + p.normal.width())
                               .arg(p.normal.top() + p.normal.height());
    store.write(QStringLiteral("Flags"), 0);
    store.write(QStringLiteral("ShowCmd"), p.minimized ? 2 : 1);
    store.write(QStringLiteral("PixelsPerInch"), p.pixelsPerInch);
    store.write(QStringLiteral("MinMaxPos"), minMax);
    store.write(QStringLiteral("MinMaxPos") + suffix, minMax);
    store.write(QStringLiteral("NormPos"), normal);
    store.write(QStringLiteral("NormPos") + suffix, normal);
    store.write(QStringLiteral("Visible"), p.visible ? 1 : 0);
    store.sync();
}

std::optional<QRect> ReadPosition(const SettingsStore& store, const QRect& current, int pixelsPerInch,
                                  const QSize& screen) {
    auto normal = store.value(QStringLiteral("NormPos") + SizeSuffix(screen));
    if (!normal) normal = store.value(QStringLiteral("NormPos"));
    if (!normal) return std::nullopt;
    int storedPpi = pixelsPerInch;
    if (const auto text = store.value(QStringLiteral("PixelsPerInch"))) {
        bool ok = false;
        const int value = text->startsWith(QStringLiteral("0x")) ? text->mid(2).toInt(&ok, 16) : text->toInt(&ok);
        if (ok) storedPpi = value;
    }
    const auto edges = FourInts(
        *normal, {current.left(), current.top(), current.left() + current.width(), current.top() + current.height()});
    if (storedPpi != pixelsPerInch || edges[0] >= edges[2]) return std::nullopt;
    return QRect(QPoint(edges[0], edges[1]), QSize(edges[2] - edges[0], edges[3] - edges[1]));
}

}  // namespace restallow
