// The worker owns a share of the file and of the results, so the viewer may stop and forget it
// at any moment; it ends after the frame it is decoding. A frame that cannot be decoded stops
// the animation at the frame before it.
#include "preview/AniPlayer.h"

#include <QImage>
#include <algorithm>
#include <atomic>
#include <limits>
#include <mutex>
#include <thread>

#include "preview/IconImage.h"
#include "preview/MediaHeaders.h"
#include "preview/PictureImage.h"
#include "widgets/UiText.h"

namespace restallow {

struct AniPlayer::Decoding {
    std::string bytes;  // the file; frames point into it
    std::vector<std::string_view> frames;
    int size = 32, displayBits = 32;
    QRgb background = 0;
    QString frameError;  // "frame %1: %2" in the window's language
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::vector<std::optional<QImage>> ready;  // guarded by mutex
    std::vector<bool> failed;                  // guarded by mutex

    // One frame at the drawn size, or why it cannot be decoded.
    fileaccess::Result<QImage> Decode(std::size_t index) const {
        const auto icon = ReadIconFile(frames[index]);
        if (!icon) return FrameError(index, icon.error());
        const auto& images = icon->images;
        const auto picture =
            DrawIconImage(images[ChooseIconImage(images, size, displayBits)], size, size, background & 0xFFFFFF);
        if (!picture) return FrameError(index, picture.error());
        return ToImage(*picture);
    }

    fileaccess::Error FrameError(std::size_t index, const fileaccess::Error& error) const {
        return {error.kind, error.code,
                frameError.arg(index + 1).arg(QString::fromStdString(error.message)).toStdString()};
    }

    static void Run(const std::shared_ptr<Decoding>& self) {
        for (std::size_t i = 1; i < self->frames.size() && !self->stop; ++i) {
            auto image = self->Decode(i);
            const std::lock_guard lock(self->mutex);
            if (!image) {
                self->failed[i] = true;
                return;
            }
            self->ready[i] = std::move(image).value();
        }
    }
};

AniPlayer::AniPlayer(QWidget* parent) : QLabel(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
}

AniPlayer::~AniPlayer() { Stop(); }

fileaccess::Status AniPlayer::Open(std::string bytes, int size, int displayBits, QRgb background, int language) {
    Stop();
    auto decoding = std::make_shared<Decoding>();
    decoding->bytes = std::move(bytes);
    const auto read = ReadAnimatedCursor(decoding->bytes);
    if (!read) return read.error();
    const AnimatedCursor& cursor = *read;
    decoding->frames = cursor.frames;
    decoding->size = size;
    decoding->displayBits = displayBits;
    decoding->background = background;
    decoding->frameError = MsgText(language, MsgAniFrame);
    decoding->ready.resize(cursor.frames.size());
    decoding->failed.resize(cursor.frames.size());
    const auto first = decoding->Decode(0);
    if (!first) return first.error();
    drawn_.assign(cursor.frames.size(), std::nullopt);
    drawn_[0] = QPixmap::fromImage(*first);
    setPixmap(*drawn_[0]);
    current_ = 0;
    decoding_ = decoding;
    if (drawn_.size() > 1) std::thread(Decoding::Run, decoding).detach();
    const std::uint32_t delay = std::min<std::uint32_t>(cursor.DelayMilliseconds(), std::numeric_limits<int>::max());
    timer_.setInterval(static_cast<int>(delay));
    if (delay > 0 && drawn_.size() > 1) timer_.start();
    return fileaccess::Ok();
}

// The next frame when it is ready; until then the frame on show stays.
void AniPlayer::Step() {
    const std::size_t next = (current_ + 1) % drawn_.size();
    if (!drawn_[next]) {
        const std::lock_guard lock(decoding_->mutex);
        if (decoding_->failed[next]) return timer_.stop();
        if (!decoding_->ready[next]) return;
        drawn_[next] = QPixmap::fromImage(*decoding_->ready[next]);
        decoding_->ready[next].reset();
    }
    current_ = next;
    setPixmap(*drawn_[next]);
}

int AniPlayer::FramesDecoded() const {
    int count = static_cast<int>(
        std::count_if(drawn_.begin(), drawn_.end(), [](const auto& frame) { return frame.has_value(); }));
    if (decoding_) {
        const std::lock_guard lock(decoding_->mutex);
        count += static_cast<int>(std::count_if(decoding_->ready.begin(), decoding_->ready.end(),
                                                [](const auto& frame) { return frame.has_value(); }));
    }
    return count;
}

void AniPlayer::Stop() {
    timer_.stop();
    if (decoding_) decoding_->stop = true;
    decoding_.reset();
    drawn_.clear();
    current_ = 0;
    clear();
}

}  // namespace restallow
