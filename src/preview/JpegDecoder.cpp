// libjpeg with errors turned into values (setjmp at this boundary only) and a progress monitor.
#include "preview/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

extern "C" {
#include <jpeglib.h>
}

namespace restallow {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

struct ProgressManager {
    jpeg_progress_mgr base;
    const std::function<void(int)>* report;
    int last = -1;
};

void ErrorExit(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// A warning (such as a picture that ends early) stops the decoding like an error.
void EmitMessage(j_common_ptr info, int level) {
    if (level < 0) ErrorExit(info);
}

void OnProgress(j_common_ptr info) {
    auto* progress = reinterpret_cast<ProgressManager*>(info->progress);
    const long total = progress->base.pass_limit * progress->base.total_passes;
    if (total <= 0 || !progress->report || !*progress->report) return;
    const long done = progress->base.pass_counter + progress->base.pass_limit * progress->base.completed_passes;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent != progress->last) (*progress->report)(progress->last = percent);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Shared by both calls: opens, reads the header, optionally decodes. Keeps libjpeg's longjmp
// inside this function, where no C++ object with a destructor lives across it.
std::string Run(std::FILE* file, bool decode, int maxWidth, int maxHeight, const std::function<void(int)>* progress,
                DecodedJpeg& out) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ProgressManager monitor{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.emit_message = EmitMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return errors.message;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    out.width = static_cast<int>(info.image_width);
    out.height = static_cast<int>(info.image_height);
    if (decode) {
        info.out_color_space = JCS_RGB;
        info.scale_num = 1;
        info.scale_denom = 1;
        for (unsigned denom : {8u, 4u, 2u}) {
            if (info.image_width / denom >= static_cast<unsigned>(maxWidth) && info.image_height / denom >= static_cast<unsigned>(maxHeight)) {
                info.scale_denom = denom;
                break;
            }
        }
        monitor.base.progress_monitor = OnProgress;
        monitor.report = progress;
        info.progress = &monitor.base;
        jpeg_start_decompress(&info);
        out.decodedWidth = static_cast<int>(info.output_width);
        out.decodedHeight = static_cast<int>(info.output_height);
        out.rgb.resize(static_cast<std::size_t>(out.decodedWidth) * out.decodedHeight * 3);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = out.rgb.data() + static_cast<std::size_t>(info.output_scanline) * out.decodedWidth * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        if (progress && *progress) (*progress)(100);
    }
    jpeg_destroy_decompress(&info);
    return {};
}

std::variant<DecodedJpeg, std::string> Open(const std::string& path, bool decode, int maxWidth, int maxHeight,
                                            const std::function<void(int)>* progress) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::string("cannot open the JPEG picture");
    DecodedJpeg out;
    const std::string error = Run(file.get(), decode, maxWidth, maxHeight, progress, out);
    if (!error.empty()) return error;
    return out;
}

}  // namespace

std::variant<DecodedJpeg, std::string> ReadJpegSize(const std::string& path) { return Open(path, false, 0, 0, nullptr); }

std::variant<DecodedJpeg, std::string> DecodeJpeg(const std::string& path, int maxWidth, int maxHeight,
                                                  const std::function<void(int)>& progress) {
    return Open(path, true, maxWidth, maxHeight, &progress);
}

}  // namespace restallow
