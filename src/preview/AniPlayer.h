// The animated-cursor viewer: the file's frames in file order at its one rate, each frame decoded
// at the size drawn when it is first shown, with its alpha and masks, and kept for the next round.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "preview/MediaHeaders.h"

namespace restallow {

class AniPlayer : public QLabel {
    Q_OBJECT

public:
    explicit AniPlayer(QWidget* parent = nullptr);

    // Reads the file and shows its first frame; empty on success, else what is wrong. A rate of
    // 0 leaves the first frame standing: the timer of the viewer does not run at an interval of 0.
    QString Open(std::string bytes, int size, int displayBits, QRgb background);
    void Stop();
    int frames() const { return static_cast<int>(frames_.size()); }
    int interval() const { return timer_.interval(); }
    bool isAnimating() const { return timer_.isActive(); }
    int framesDecoded() const;

private:
    QString ShowFrame(std::size_t index);

    std::string bytes_;  // the file; the frames below point into it
    std::vector<std::string_view> frames_;
    std::vector<std::optional<QPixmap>> drawn_;
    std::size_t current_ = 0;
    int size_ = 32, displayBits_ = 32;
    QRgb background_ = 0;
    QTimer timer_;
};

}  // namespace restallow
