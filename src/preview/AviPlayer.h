// Plays a silent AVI clip endlessly at its own size: frames decoded with FFmpeg, shown by a timer.
#pragma once

#include <QImage>
#include <QLabel>
#include <QString>
#include <QTimer>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

namespace restallow {

class AviPlayer : public QLabel {
    Q_OBJECT

public:
    explicit AviPlayer(QWidget* parent = nullptr);
    ~AviPlayer() override;

    // Opens the clip and shows its first frame; returns an error text, or empty on success.
    QString Open(const QString& path);
    void Play();
    void Stop();  // stops and closes the clip
    bool isPlaying() const { return timer_.isActive(); }
    int framesShown() const { return framesShown_; }

private:
    bool NextFrame();  // decodes and shows one frame; rewinds at the end
    void Close();

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int stream_ = -1;
    int framesShown_ = 0;
    QTimer timer_;
};

}  // namespace restallow
