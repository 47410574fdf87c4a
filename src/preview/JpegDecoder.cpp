// libjpeg with errors turned into values (setjmp at this boundary only) and a progress monitor.
#include "preview/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <optional>

#include "fileaccess/InputFile.h"
#include "preview/AreaScaler.h"

extern "C" {
#include <jerror.h>
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

// What the decoding makes, owned outside the function that holds libjpeg's setjmp.
struct Work {
    DecodedJpeg out;
    std::optional<AreaScaler> scaler;
    std::vector<std::uint8_t> samples;
    std::vector<std::uint32_t> row;
};

void PickReduction(jpeg_decompress_struct& info, int width, int height) {
    info.scale_num = 1;
    info.scale_denom = 1;
    for (unsigned denom : {8u, 4u, 2u}) {
        if (info.image_width / denom >= static_cast<unsigned>(width) &&
            info.image_height / denom >= static_cast<unsigned>(height)) {
            info.scale_denom = denom;
            return;
        }
    }
}

// Reads the header and, when decode is set, the rows. Keeps libjpeg's longjmp inside this
// function, where no C++ object with a destructor lives across it.
fileaccess::Status Run(std::FILE* file, bool decode, int width, int height, const std::function<void(int)>* progress,
                       Work& work) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ProgressManager monitor{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.emit_message = EmitMessage;
    if (setjmp(errors.jump)) {
        const bool memory = errors.base.msg_code == JERR_NO_BACKING_STORE || errors.base.msg_code == JERR_OUT_OF_MEMORY;
        jpeg_destroy_decompress(&info);
        if (memory) return TooLarge("the JPEG picture");
        return fileaccess::FormatError(errors.message);
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = static_cast<long>(kPreviewMemoryCeiling);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    work.out.width = static_cast<int>(info.image_width);
    work.out.height = static_cast<int>(info.image_height);
    if (decode) {
        const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
        info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;  // BGRA bytes are 0xAARRGGBB words here
        PickReduction(info, width, height);
        monitor.base.progress_monitor = OnProgress;
        monitor.report = progress;
        info.progress = &monitor.base;
        jpeg_start_decompress(&info);
        const int decodedWidth = static_cast<int>(info.output_width),
                  decodedHeight = static_cast<int>(info.output_height);
        if (std::size_t(decodedWidth) * 8 + AreaScaler::MemoryFor(decodedWidth, width, height) >
            kPreviewMemoryCeiling) {
            ERREXIT(&info, JERR_OUT_OF_MEMORY);
        }
        work.scaler.emplace(decodedWidth, decodedHeight, width, height);
        work.samples.resize(std::size_t(decodedWidth) * 4);
        work.row.resize(std::size_t(decodedWidth));
        while (info.output_scanline < info.output_height) {
            const int y = static_cast<int>(info.output_scanline);
            JSAMPROW samples = cmyk ? work.samples.data() : reinterpret_cast<JSAMPROW>(work.row.data());
            jpeg_read_scanlines(&info, &samples, 1);
            if (cmyk) CmykToRgb(work.samples.data(), decodedWidth, info.saw_Adobe_marker, work.row.data());
            work.scaler->AddRow(y, work.row.data());
        }
        jpeg_finish_decompress(&info);
        if (progress && *progress) (*progress)(100);
    }
    jpeg_destroy_decompress(&info);
    return fileaccess::Ok();
}

Decoded<DecodedJpeg> Open(const std::string& path, bool decode, int width, int height,
                          const std::function<void(int)>* progress) {
    const fileaccess::Result<fileaccess::InputStream> file = fileaccess::OpenStream(path);
    if (!file) return fileaccess::FormatError("cannot open the JPEG picture", fileaccess::ErrorKind::Open);
    Work work;
    if (const fileaccess::Status read = Run(file->get(), decode, width, height, progress, work); !read)
        return read.error();
    if (work.scaler) work.out.picture = work.scaler->Take();
    return std::move(work.out);
}

}  // namespace

void CmykToRgb(const std::uint8_t* cmyk, int count, bool inverted, std::uint32_t* out) {
    for (int i = 0; i < count; ++i, cmyk += 4) {
        const auto clear = [&](int at) { return inverted ? unsigned{cmyk[at]} : 255u - cmyk[at]; };  // 255: no ink
        const unsigned k = clear(3);
        const auto channel = [&](int at) { return (clear(at) * k + 127) / 255; };
        out[i] = 0xFF000000u | (channel(0) << 16) | (channel(1) << 8) | channel(2);
    }
}

Decoded<DecodedJpeg> ReadJpegSize(const std::string& path) { return Open(path, false, 0, 0, nullptr); }

Decoded<DecodedJpeg> DecodeJpeg(const std::string& path, int width, int height,
                                const std::function<void(int)>& progress) {
    return Open(path, true, width, height, &progress);
}

}  // namespace restallow
