// FFmpeg decoding for the AVI viewer.
#include "preview/AviPlayer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace restallow {

AviPlayer::AviPlayer(QWidget* parent) : QLabel(parent) {
    av_log_set_level(AV_LOG_QUIET);  // decoding problems come back as the texts below
    setAlignment(Qt::AlignCenter);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!NextFrame()) Stop();
    });
}

AviPlayer::~AviPlayer() { Close(); }

void AviPlayer::Close() {
    timer_.stop();
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&codec_);
    avformat_close_input(&format_);
    stream_ = -1;
}

QString AviPlayer::Open(const QString& path) {
    Close();
    framesShown_ = 0;
    const QByteArray file = path.toLocal8Bit();
    if (avformat_open_input(&format_, file.constData(), nullptr, nullptr) < 0 || avformat_find_stream_info(format_, nullptr) < 0) {
        Close();
        return QStringLiteral("The AVI clip cannot be opened.");
    }
    stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec* decoder = stream_ >= 0 ? avcodec_find_decoder(format_->streams[stream_]->codecpar->codec_id) : nullptr;
    if (!decoder) {
        Close();
        return QStringLiteral("The AVI clip holds no video that can be decoded.");
    }
    codec_ = avcodec_alloc_context3(decoder);
    if (!codec_ || avcodec_parameters_to_context(codec_, format_->streams[stream_]->codecpar) < 0 ||
        avcodec_open2(codec_, decoder, nullptr) < 0 || codec_->width <= 0 || codec_->height <= 0) {
        Close();
        return QStringLiteral("The AVI clip's video cannot be decoded.");
    }
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    const AVRational rate = format_->streams[stream_]->avg_frame_rate;
    timer_.setInterval(rate.num > 0 && rate.den > 0 ? std::max(10, 1000 * rate.den / rate.num) : 66);
    if (!NextFrame()) {
        Close();
        return QStringLiteral("The AVI clip holds no frame that can be decoded.");
    }
    return {};
}

bool AviPlayer::NextFrame() {
    for (int rewinds = 0; rewinds < 2;) {
        const int read = av_read_frame(format_, packet_);
        if (read < 0) {
            // The end: start again from the first frame.
            avcodec_flush_buffers(codec_);
            if (av_seek_frame(format_, stream_, 0, AVSEEK_FLAG_BACKWARD) < 0) return false;
            ++rewinds;
            continue;
        }
        const bool ours = packet_->stream_index == stream_;
        const int sent = ours ? avcodec_send_packet(codec_, packet_) : AVERROR(EAGAIN);
        av_packet_unref(packet_);
        if (!ours || sent < 0) continue;
        if (avcodec_receive_frame(codec_, frame_) < 0) continue;
        scaler_ = sws_getCachedContext(scaler_, frame_->width, frame_->height, static_cast<AVPixelFormat>(frame_->format),
                                       frame_->width, frame_->height, AV_PIX_FMT_RGB32, SWS_POINT, nullptr, nullptr, nullptr);
        if (!scaler_) return false;
        QImage image(frame_->width, frame_->height, QImage::Format_RGB32);
        uint8_t* planes[1] = {image.bits()};
        const int strides[1] = {static_cast<int>(image.bytesPerLine())};
        sws_scale(scaler_, frame_->data, frame_->linesize, 0, frame_->height, planes, strides);
        setPixmap(QPixmap::fromImage(image));
        ++framesShown_;
        return true;
    }
    return false;
}

void AviPlayer::Play() {
    if (format_) timer_.start();
}

void AviPlayer::Stop() {
    Close();
    clear();
}

}  // namespace restallow
