// A frame that cannot be decoded later on stops the animation at the frame before it.
#include "preview/AniPlayer.h"

#include <QImage>
#include <algorithm>
#include <limits>

#include "preview/IconImage.h"
#include "preview/PictureImage.h"

namespace restallow {


AniPlayer::AniPlayer(QWidget* parent) : QLabel(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (frames_.empty()) return;
        if (!ShowFrame((current_ + 1) % frames_.size()).isEmpty()) timer_.stop();
    });
}

QString AniPlayer::Open(std::string bytes, int size, int displayBits, QRgb background) {
    Stop();
    bytes_ = std::move(bytes);
    const auto read = ReadAnimatedCursor(bytes_);
    if (const auto* error = std::get_if<std::string>(&read)) return QString::fromStdString(*error);
    const AnimatedCursor& cursor = std::get<AnimatedCursor>(read);
    frames_ = cursor.frames;
    drawn_.assign(frames_.size(), std::nullopt);
    size_ = size;
    displayBits_ = displayBits;
    background_ = background;
    if (const QString error = ShowFrame(0); !error.isEmpty()) {
        Stop();
        return error;
    }
    const std::uint32_t delay = std::min<std::uint32_t>(cursor.DelayMilliseconds(), std::numeric_limits<int>::max());
    timer_.setInterval(static_cast<int>(delay));
    if (delay > 0 && frames_.size() > 1) timer_.start();
    return {};
}

QString AniPlayer::ShowFrame(std::size_t index) {
    if (!drawn_[index]) {
        const auto icon = ReadIconFile(frames_[index]);
        if (const auto* error = std::get_if<std::string>(&icon)) return QStringLiteral("frame %1: %2").arg(index + 1).arg(QString::fromStdString(*error));
        const auto& images = std::get<IconFile>(icon).images;
        const auto picture = DrawIconImage(images[ChooseIconImage(images, size_, displayBits_)], size_, size_, background_ & 0xFFFFFF);
        if (const auto* error = std::get_if<std::string>(&picture)) return QStringLiteral("frame %1: %2").arg(index + 1).arg(QString::fromStdString(*error));
        drawn_[index] = QPixmap::fromImage(ToImage(std::get<Picture>(picture)));
    }
    current_ = index;
    setPixmap(*drawn_[index]);
    return {};
}

int AniPlayer::framesDecoded() const {
    return static_cast<int>(std::count_if(drawn_.begin(), drawn_.end(), [](const auto& frame) { return frame.has_value(); }));
}

void AniPlayer::Stop() {
    timer_.stop();
    frames_.clear();
    drawn_.clear();
    bytes_ = {};
    current_ = 0;
    clear();
}

}  // namespace restallow
