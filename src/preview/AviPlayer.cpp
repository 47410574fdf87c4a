// The AVI viewer: a label that shows the decoder's frames at the clip's rate.
#include "preview/AviPlayer.h"

#include <QImage>
#include <QPixmap>

#include "preview/MediaLibrary.h"
#include "widgets/UiText.h"

namespace restallow {

AviPlayer::AviPlayer(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!NextFrame()) Stop();
    });
}

AviPlayer::~AviPlayer() = default;

fileaccess::Status AviPlayer::Open(const QString& path, MediaLibrary& media, std::size_t maxFrameBytes, int language) {
    using fileaccess::Error, fileaccess::ErrorKind;
    Stop();
    framesShown_ = 0;
    const media::Module* module = media.module();
    if (!module) return Error{ErrorKind::Open, 0, media.error().toStdString()};
    decoder_ = module->newVideoDecoder();
    if (std::string error = decoder_->Open(path.toStdString(), maxFrameBytes); !error.empty()) {
        decoder_.reset();
        return Error{ErrorKind::Open, 0, std::move(error)};
    }
    timer_.setInterval(decoder_->IntervalMilliseconds());
    if (!NextFrame()) {
        decoder_.reset();
        return fileaccess::FormatError(MsgText(language, MsgAviNoFrame).toStdString());
    }
    return fileaccess::Ok();
}

bool AviPlayer::NextFrame() {
    media::Frame frame;
    if (!decoder_ || !decoder_->Next(frame)) return false;
    // The pixmap takes its own copy; the decoder's buffer serves the next frame.
    const QImage image(frame.pixels, frame.width, frame.height, frame.stride, QImage::Format_RGB32);
    setPixmap(QPixmap::fromImage(image.copy()));
    ++framesShown_;
    return true;
}

void AviPlayer::Play() {
    if (decoder_) timer_.start();
}

void AviPlayer::Stop() {
    timer_.stop();
    decoder_.reset();
    clear();
}

}  // namespace restallow
