// MIDI and WAVE sounds through the media module: a checked file, the audio device opened on
// first need, Play and Stop. A device that cannot be opened is tried again at the next Play.
#pragma once

#include <QString>
#include <memory>

#include "preview/media/MediaModule.h"

namespace restallow {

class MediaLibrary;

class SoundPlayer {
public:
    explicit SoundPlayer(MediaLibrary& media) : media_(media) {}
    SoundPlayer(const SoundPlayer&) = delete;
    ~SoundPlayer();

    struct Problem {
        enum Kind { None, NoModule, NoDevice, BadFile } kind = None;
        QString text;
    };
    // Takes a file already checked as a sound and loads it on the audio device.
    Problem Open(const QString& path);
    // Plays the file of the last Open, loading it first when the device was missing then.
    Problem Play();
    void Stop();
    void Close();
    bool isOpen() const { return loaded_; }
    bool hasFile() const { return !path_.isEmpty(); }

private:
    Problem Load();

    MediaLibrary& media_;
    std::unique_ptr<media::SoundDevice> device_;
    QString path_;
    bool loaded_ = false;
};

}  // namespace restallow
