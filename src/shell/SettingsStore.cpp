// Reading and writing settings as trimmed strings.
#include "shell/SettingsStore.h"

#include <QStringList>
#include <array>

namespace restallow {

SettingsStore::SettingsStore(const QString& group)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvel"),
                                            QStringLiteral("Resource Tallowin"))),
      group_(group) {}

std::optional<QString> SettingsStore::value(const QString& name) const {
    if (!enabled_) return std::nullopt;
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
    if (text->compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) value = true;
    else if (text->compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0) value = false;
}

void SettingsStore::readString(const QString& name, QString& value) const {
    if (const auto text = this->value(name)) value = *text;
}

void SettingsStore::write(const QString& name, const QString& text) {
    if (enabled_) settings_->setValue(group_ + u'/' + name, text.trimmed());
}

void SettingsStore::remove(const QString& name) {
    if (enabled_) settings_->remove(group_ + u'/' + name);
}

void ReadSettings(const SettingsStore& store, AppSettings& s) {
    store.readString(QStringLiteral("OpenDlg_InitialDir"), s.list.InitialDir);
    store.readInt(QStringLiteral("OpenDlg_FilterIndex"), s.list.FilterIndex);
    store.readString(QStringLiteral("Filename1_InitialDir"), s.Filename1InitialDir);
    store.readInt(QStringLiteral("Filename1_FilterIndex"), s.Filename1FilterIndex);
    store.readString(QStringLiteral("Filename2_InitialDir"), s.Filename2InitialDir);
    store.readString(QStringLiteral("SaveDlg_InitialDir"), s.list.SaveDir);
    store.readInt(QStringLiteral("SaveDlg_FilterIndex"), s.list.SaveFilterIndex);
    store.readInt(QStringLiteral("Language_Value"), s.list.Language);
    store.readLong(QStringLiteral("StartID_Value"), s.list.StartID);
    store.readInt(QStringLiteral("Prev_Left"), s.PrevLeft);
    store.readInt(QStringLiteral("Prev_Top"), s.PrevTop);
    store.readBool(QStringLiteral("cbPreview_Checked"), s.PreviewChecked);
    store.readInt(QStringLiteral("ResKind_Value"), s.list.ResKind);
    store.readInt(QStringLiteral("Hints_Value"), s.Hints);
    store.readInt(QStringLiteral("Queries_Value"), s.Queries);
    store.readInt(QStringLiteral("ShowInfo_Value"), s.ShowInfo);
    store.readInt(QStringLiteral("CI_Value"), s.list.CI);
    store.readInt(QStringLiteral("Outfit_Value"), s.Outfit);
}

void WriteSettings(SettingsStore& store, const AppSettings& s) {
    store.write(QStringLiteral("OpenDlg_InitialDir"), s.list.InitialDir);
    store.write(QStringLiteral("OpenDlg_FilterIndex"), s.list.FilterIndex);
    store.write(QStringLiteral("Filename1_InitialDir"), s.Filename1InitialDir);
    store.write(QStringLiteral("Filename1_FilterIndex"), s.Filename1FilterIndex);
    store.write(QStringLiteral("Filename2_InitialDir"), s.Filename2InitialDir);
    store.write(QStringLiteral("SaveDlg_InitialDir"), s.list.SaveDir);
    store.write(QStringLiteral("SaveDlg_FilterIndex"), s.list.SaveFilterIndex);
    store.write(QStringLiteral("Language_Value"), s.list.Language);
    store.write(QStringLiteral("StartID_Value"), s.list.StartID);
    store.write(QStringLiteral("Prev_Left"), s.PrevLeft);
    store.write(QStringLiteral("Prev_Top"), s.PrevTop);
    store.writeBool(QStringLiteral("cbPreview_Checked"), s.PreviewChecked);
    store.write(QStringLiteral("ResKind_Value"), s.list.ResKind);
    store.write(QStringLiteral("Hints_Value"), s.Hints);
    store.write(QStringLiteral("Queries_Value"), s.Queries);
    store.write(QStringLiteral("ShowInfo_Value"), s.ShowInfo);
    store.write(QStringLiteral("CI_Value"), s.list.CI);
    store.write(QStringLiteral("Outfit_Value"), s.Outfit);
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
    const QString normal = QStringLiteral("%1,%2,%3,%4").arg(p.normal.left()).arg(p.normal.top())
                               .arg(p.normal.left() + p.normal.width()).arg(p.normal.top() + p.normal.height());
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

std::optional<QRect> ReadPosition(const SettingsStore& store, const QRect& current, int pixelsPerInch, const QSize& screen) {
    auto normal = store.value(QStringLiteral("NormPos") + SizeSuffix(screen));
    if (!normal) normal = store.value(QStringLiteral("NormPos"));
    if (!normal) return std::nullopt;
    int storedPpi = pixelsPerInch;
    if (const auto text = store.value(QStringLiteral("PixelsPerInch"))) {
        bool ok = false;
        const int value = text->startsWith(QStringLiteral("0x")) ? text->mid(2).toInt(&ok, 16) : text->toInt(&ok);
        if (ok) storedPpi = value;
    }
    const auto edges = FourInts(*normal, {current.left(), current.top(), current.left() + current.width(),
                                          current.top() + current.height()});
    if (storedPpi != pixelsPerInch || edges[0] >= edges[2]) return std::nullopt;
    return QRect(QPoint(edges[0], edges[1]), QSize(edges[2] - edges[0], edges[3] - edges[1]));
}

}  // namespace restallow
