// The sound viewer's player.
#include "preview/SoundPlayer.h"

#include "preview/MediaLibrary.h"

namespace restallow {

SoundPlayer::~SoundPlayer() { Close(); }

SoundPlayer::Problem SoundPlayer::Open(const QString& path) {
    Close();
    path_ = path;
    return Load();
}

SoundPlayer::Problem SoundPlayer::Load() {
    if (!device_) {
        const media::Module* module = media_.module();
        if (!module) return {Problem::NoModule, media_.error()};
        device_ = module->newSoundDevice();
    }
    if (const std::string error = device_->OpenDevice(); !error.empty()) {
        return {Problem::NoDevice, QString::fromStdString(error)};
    }
    if (const std::string error = device_->Load(path_.toStdString()); !error.empty()) {
        return {Problem::BadFile, QString::fromStdString(error)};
    }
    loaded_ = true;
    return {};
}

SoundPlayer::Problem SoundPlayer::Play() {
    if (path_.isEmpty()) return {};
    if (!loaded_) {
        if (Problem problem = Load(); problem.kind != Problem::None) return problem;
    }
    device_->Play();
    return {};
}

void SoundPlayer::Stop() {
    if (loaded_) device_->Stop();
}

void SoundPlayer::Close() {
    if (loaded_) device_->Unload();
    loaded_ = false;
    path_.clear();
}

}  // namespace restallow
