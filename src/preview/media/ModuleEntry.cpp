// The module's one exported symbol: the table of its players.
#include "preview/media/MediaModule.h"

namespace restallow::media {
std::unique_ptr<VideoDecoder> NewFfmpegVideoDecoder();
std::unique_ptr<SoundDevice> NewSdlSoundDevice();
}  // namespace restallow::media

extern "C" __attribute__((visibility("default"))) const restallow::media::Module* restallow_media_module() {
    static const restallow::media::Module module{
        restallow::media::kModuleVersion, restallow::media::NewFfmpegVideoDecoder, restallow::media::NewSdlSoundDevice};
    return &module;
}
