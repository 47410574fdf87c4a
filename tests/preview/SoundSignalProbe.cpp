// A child process for the signal test: opens a sound on the audio device as the preview does,
// says "open", and waits for a signal to end it.
#include <unistd.h>
#include <QCoreApplication>
#include <cstdio>

#include "preview/MediaLibrary.h"
#include "preview/SoundPlayer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    restallow::MediaLibrary media;
    restallow::SoundPlayer player(media);
    const fileaccess::Status opened = player.Open(QString::fromLocal8Bit(argv[1]));
    if (!opened) {
        std::fprintf(stderr, "%s\n", opened.error().message.c_str());
        return 3;
    }
    std::puts("open");
    std::fflush(stdout);
    for (int i = 0; i < 600; ++i) ::sleep(1);  // a signal ends it long before
    return 0;
}
