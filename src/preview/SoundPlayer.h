// MIDI and WAVE sounds through the media module: a checked file, the audio device opened on
// first need, Play and Stop. A device that cannot be opened is tried again at the next Play.
#pragma once

#include <QString>
#include <memory>

#include "fileaccess/Result.h"
#include "preview/media/MediaModule.h"

namespace restallow {

class MediaLibrary;

class SoundPlayer {
public:
    explicit SoundPlayer(MediaLibrary& media) : media_(media) {}
    SoundPlayer(const SoundPlayer&) = delete;
    ~SoundPlayer();

    // What a failed Open or Play met: no media module or no audio device (the machine has no
    // sound), or a file the device cannot play. The error's text is the module's or device's.
    enum class Fault { NoModule, NoDevice, BadFile };
    static Fault FaultOf(const fileaccess::Error& error);

    // Takes a file already checked as a sound and loads it on the audio device.
    fileaccess::Status Open(const QString& path);
    // Plays the file of the last Open, loading it first when the device was missing then.
    fileaccess::Status Play();
    void Stop();
    void Close();
    bool IsOpen() const { return loaded_; }
    bool HasFile() const { return !path_.isEmpty(); }

private:
    fileaccess::Status Load();

    MediaLibrary& media_;
    std::unique_ptr<media::SoundDevice> device_;
    QString path_;
    bool loaded_ = false;
};

}  // namespace restallow
