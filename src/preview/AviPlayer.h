// Plays a silent AVI clip endlessly at its own size: frames come one at a time from the media
// module's decoder, which reads them from the file as they are shown; a timer draws them.
#pragma once

#include <QLabel>
#include <QString>
#include <QTimer>
#include <cstddef>
#include <memory>

#include "fileaccess/Result.h"
#include "preview/media/MediaModule.h"

namespace restallow {

class MediaLibrary;

class AviPlayer : public QLabel {
    Q_OBJECT

public:
    explicit AviPlayer(QWidget* parent = nullptr);
    ~AviPlayer() override;

    // Opens the clip and shows its first frame, or says what is wrong.
    fileaccess::Status Open(const QString& path, MediaLibrary& media, std::size_t maxFrameBytes, int language);
    void Play();
    void Stop();  // stops and closes the clip
    bool IsPlaying() const { return timer_.isActive(); }
    int FramesShown() const { return framesShown_; }

private:
    bool NextFrame();  // decodes and shows one frame; rewinds at the end

    std::unique_ptr<media::VideoDecoder> decoder_;
    int framesShown_ = 0;
    QTimer timer_;
};

}  // namespace restallow
