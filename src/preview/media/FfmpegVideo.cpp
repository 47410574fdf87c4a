// AVI frames with FFmpeg: the file is read packet by packet as frames are shown, never whole.
#include <algorithm>
#include <vector>

#include "preview/media/MediaModule.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace restallow::media {
namespace {

class FfmpegVideo final : public VideoDecoder {
public:
    FfmpegVideo() { av_log_set_level(AV_LOG_QUIET); }  // problems come back as the texts below
    ~FfmpegVideo() override { Close(); }

    std::string Open(const std::string& path, std::size_t maxFrameBytes) override {
        Close();
        if (avformat_open_input(&format_, path.c_str(), nullptr, nullptr) < 0 ||
            avformat_find_stream_info(format_, nullptr) < 0) {
            Close();
            return "The AVI clip cannot be opened.";
        }
        stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        const AVCodec* decoder =
            stream_ >= 0 ? avcodec_find_decoder(format_->streams[stream_]->codecpar->codec_id) : nullptr;
        if (!decoder) {
            Close();
            return "The AVI clip holds no video that can be decoded.";
        }
        const AVCodecParameters* parameters = format_->streams[stream_]->codecpar;
        if (parameters->width > 0 && parameters->height > 0 &&
            std::size_t(parameters->width) * std::size_t(parameters->height) * 4 > maxFrameBytes) {
            Close();
            return "The AVI clip's frames are too large to be shown.";
        }
        codec_ = avcodec_alloc_context3(decoder);
        if (!codec_ || avcodec_parameters_to_context(codec_, parameters) < 0 ||
            avcodec_open2(codec_, decoder, nullptr) < 0 || codec_->width <= 0 || codec_->height <= 0) {
            Close();
            return "The AVI clip's video cannot be decoded.";
        }
        maxFrameBytes_ = maxFrameBytes;
        frame_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        const AVRational rate = format_->streams[stream_]->avg_frame_rate;
        interval_ = rate.num > 0 && rate.den > 0 ? std::max(10, static_cast<int>(1000LL * rate.den / rate.num)) : 66;
        return {};
    }

    bool Next(Frame& frame) override {
        for (int rewinds = 0; format_ && rewinds < 2;) {
            if (av_read_frame(format_, packet_) < 0) {
                // The end: from the first frame again.
                avcodec_flush_buffers(codec_);
                if (av_seek_frame(format_, stream_, 0, AVSEEK_FLAG_BACKWARD) < 0) return false;
                ++rewinds;
                continue;
            }
            const bool ours = packet_->stream_index == stream_;
            const int sent = ours ? avcodec_send_packet(codec_, packet_) : AVERROR(EAGAIN);
            av_packet_unref(packet_);
            if (!ours || sent < 0 || avcodec_receive_frame(codec_, frame_) < 0) continue;
            return Convert(frame);
        }
        return false;
    }

    int IntervalMilliseconds() const override { return interval_; }

private:
    bool Convert(Frame& frame) {
        const int width = frame_->width, height = frame_->height;
        if (width <= 0 || height <= 0 || std::size_t(width) * std::size_t(height) * 4 > maxFrameBytes_) return false;
        scaler_ = sws_getCachedContext(scaler_, width, height, static_cast<AVPixelFormat>(frame_->format), width,
                                       height, AV_PIX_FMT_RGB32, SWS_POINT, nullptr, nullptr, nullptr);
        if (!scaler_) return false;
        pixels_.resize(std::size_t(width) * height * 4);
        std::uint8_t* planes[1] = {pixels_.data()};
        const int strides[1] = {width * 4};
        sws_scale(scaler_, frame_->data, frame_->linesize, 0, height, planes, strides);
        frame = Frame{width, height, width * 4, pixels_.data()};
        return true;
    }

    void Close() {
        sws_freeContext(scaler_);
        scaler_ = nullptr;
        av_packet_free(&packet_);
        av_frame_free(&frame_);
        avcodec_free_context(&codec_);
        avformat_close_input(&format_);
        stream_ = -1;
        pixels_ = {};
    }

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int stream_ = -1;
    int interval_ = 66;
    std::size_t maxFrameBytes_ = 0;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace

std::unique_ptr<VideoDecoder> NewFfmpegVideoDecoder() { return std::make_unique<FfmpegVideo>(); }

}  // namespace restallow::media
