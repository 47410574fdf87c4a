// MIDI and WAVE sounds through SDL2_mixer: open a file, play it, stop it, close it.
#pragma once

#include <QString>

struct _Mix_Music;

namespace restallow {

class SoundPlayer {
public:
    SoundPlayer() = default;
    SoundPlayer(const SoundPlayer&) = delete;
    ~SoundPlayer();

    // Empty on success, else the mixer's (or the MIDI check's) error text.
    QString Open(const QString& path);
    void Play();
    void Stop();
    void Close();
    bool isOpen() const { return music_ != nullptr; }

private:
    static QString StartMixer();
    _Mix_Music* music_ = nullptr;
};

}  // namespace restallow
