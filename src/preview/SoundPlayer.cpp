// SDL2_mixer, started on first use. MIDI files are checked first: the mixer accepts a damaged
// MIDI file without an error.
#include "preview/SoundPlayer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QFile>
#include <QFileInfo>

#include "preview/MediaHeaders.h"

namespace restallow {

QString SoundPlayer::StartMixer() {
    static bool started = false;  // the audio device is opened once per process
    if (started) return {};
    if (qEnvironmentVariableIsEmpty("SDL_SOUNDFONTS") && QFileInfo::exists(QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"))) {
        qputenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/FluidR3_GM.sf2");
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return QString::fromUtf8(SDL_GetError());
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) return QString::fromUtf8(Mix_GetError());
    started = true;
    return {};
}

SoundPlayer::~SoundPlayer() { Close(); }

QString SoundPlayer::Open(const QString& path) {
    Close();
    if (QFileInfo(path).suffix().compare(QStringLiteral("mid"), Qt::CaseInsensitive) == 0) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return file.errorString();
        const QByteArray bytes = file.readAll();
        const std::string problem = CheckMidi(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (!problem.empty()) return QString::fromStdString(problem);
    }
    if (const QString error = StartMixer(); !error.isEmpty()) return error;
    music_ = Mix_LoadMUS(path.toLocal8Bit().constData());
    return music_ ? QString() : QString::fromUtf8(Mix_GetError());
}

void SoundPlayer::Play() {
    if (music_) Mix_PlayMusic(music_, 0);
}

void SoundPlayer::Stop() {
    if (music_) Mix_HaltMusic();
}

void SoundPlayer::Close() {
    if (!music_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

}  // namespace restallow
