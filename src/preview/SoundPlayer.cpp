// The sound viewer's player.
#include "preview/SoundPlayer.h"

#include <cerrno>

#include "preview/MediaLibrary.h"

namespace restallow {
namespace {

// The three faults are told apart by the error's kind and errno value.
fileaccess::Error SoundError(SoundPlayer::Fault fault, std::string text) {
    switch (fault) {
        case SoundPlayer::Fault::NoModule: return {fileaccess::ErrorKind::Open, 0, std::move(text)};
        case SoundPlayer::Fault::NoDevice: return {fileaccess::ErrorKind::Open, ENODEV, std::move(text)};
        case SoundPlayer::Fault::BadFile: break;
    }
    return fileaccess::FormatError(std::move(text));
}

}  // namespace

SoundPlayer::Fault SoundPlayer::FaultOf(const fileaccess::Error& error) {
    if (error.kind != fileaccess::ErrorKind::Open) return Fault::BadFile;
    return error.code == ENODEV ? Fault::NoDevice : Fault::NoModule;
}

SoundPlayer::~SoundPlayer() { Close(); }

fileaccess::Status SoundPlayer::Open(const QString& path) {
    Close();
    path_ = path;
    return Load();
}

fileaccess::Status SoundPlayer::Load() {
    if (!device_) {
        const media::Module* module = media_.module();
        if (!module) return SoundError(Fault::NoModule, media_.error().toStdString());
        device_ = module->newSoundDevice();
    }
    if (std::string error = device_->OpenDevice(); !error.empty()) return SoundError(Fault::NoDevice, std::move(error));
    if (std::string error = device_->Load(path_.toStdString()); !error.empty())
        return SoundError(Fault::BadFile, std::move(error));
    loaded_ = true;
    return fileaccess::Ok();
}

fileaccess::Status SoundPlayer::Play() {
    if (path_.isEmpty()) return fileaccess::Ok();
    if (!loaded_) {
        if (auto loaded = Load(); !loaded) return loaded;
    }
    device_->Play();
    return fileaccess::Ok();
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
