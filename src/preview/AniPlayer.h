// The animated-cursor viewer: the file's frames in file order at its one rate. The first frame is
// decoded at once; the others are decoded one after the other on a worker thread, each at the
// size drawn, with its alpha and masks, and shown as soon as it is ready.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fileaccess/Result.h"

namespace restallow {

class AniPlayer : public QLabel {
    Q_OBJECT

public:
    explicit AniPlayer(QWidget* parent = nullptr);
    ~AniPlayer() override;

    // Reads the file and shows its first frame, or says what is wrong. A rate of 0 leaves the
    // first frame standing: the viewer's timer does not run at an interval of 0.
    fileaccess::Status Open(std::string bytes, int size, int displayBits, QRgb background, int language);
    void Stop();
    int Frames() const { return static_cast<int>(drawn_.size()); }
    int Interval() const { return timer_.interval(); }
    bool IsAnimating() const { return timer_.isActive(); }
    int FramesDecoded() const;  // ready to be shown

    struct Decoding;  // shared with the worker thread

private:
    void Step();

    std::shared_ptr<Decoding> decoding_;
    std::vector<std::optional<QPixmap>> drawn_;
    std::size_t current_ = 0;
    QTimer timer_;
};

}  // namespace restallow
