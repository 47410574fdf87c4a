// MIDI and WAVE sounds through SDL2_mixer (FluidSynth for MIDI, with the GM soundfont when it is
// installed). The device is opened on first need and closed with this object.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <sys/stat.h>
#include <cstdlib>

#include "preview/media/MediaModule.h"

namespace restallow::media {
namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

class SdlSound final : public SoundDevice {
public:
    ~SdlSound() override {
        Unload();
        if (open_) {
            Mix_CloseAudio();
            Mix_Quit();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }

    std::string OpenDevice() override {
        if (open_) return {};
        struct stat info {};
        if (!std::getenv("SDL_SOUNDFONTS") && stat(kSoundFont, &info) == 0) setenv("SDL_SOUNDFONTS", kSoundFont, 0);
        // The audio brings SDL's event loop, which would take SIGINT and SIGTERM for a quit
        // event nobody reads: the program keeps its own handling of them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return SDL_GetError();
        Mix_Init(MIX_INIT_MID);
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
            const std::string error = Mix_GetError();
            Mix_Quit();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);  // the next attempt starts afresh
            return error;
        }
        open_ = true;
        return {};
    }

    bool deviceOpen() const override { return open_; }

    std::string Load(const std::string& path) override {
        Unload();
        if (!open_) return "the audio device is not open";
        music_ = Mix_LoadMUS(path.c_str());
        return music_ ? std::string() : std::string(Mix_GetError());
    }

    void Play() override {
        if (music_) Mix_PlayMusic(music_, 0);
    }

    void Stop() override {
        if (music_) Mix_HaltMusic();
    }

    void Unload() override {
        if (!music_) return;
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }

private:
    bool open_ = false;
    Mix_Music* music_ = nullptr;
};

}  // namespace

std::unique_ptr<SoundDevice> NewSdlSoundDevice() { return std::make_unique<SdlSound>(); }

}  // namespace restallow::media
