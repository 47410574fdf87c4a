// Previews one large AVI clip, animated cursor or bitmap, lets it play for a while, and prints the time
// until the preview answered, the frames it showed and the peak memory of the process (VmHWM).
// bench/preview_memory_bench.sh makes the files and runs it.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "QuietPrompter.h"
#include "preview/AniPlayer.h"
#include "preview/AviPlayer.h"
#include "preview/PreviewWindow.h"

using restallow::bench::QuietPrompter;

namespace {

long PeakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) return 2;  // kind (avi, ani or bmp), file, seconds to play
    const bool avi = std::strcmp(argv[1], "avi") == 0, bmp = std::strcmp(argv[1], "bmp") == 0;
    QuietPrompter prompter;
    restallow::PreviewWindow preview(prompter,
                                     {[] { return true; }, [] { return 1; }, [] { return 1; }, {}, nullptr, {}, {}});
    const restallow::ResourceEntry entry{"Big_1",
                                         avi   ? " ANIMATION "
                                         : bmp ? " BITMAP "
                                               : " ANICURSOR ",
                                         "", restallow::ResourceEntry::QuoteFile(argv[2])};
    const long before = PeakKilobytes();
    QElapsedTimer timer;
    timer.start();
    preview.PreviewEntry(&entry);
    const double answered = timer.nsecsElapsed() / 1e9;
    double allDecoded = -1;  // animated cursors: until every frame is ready
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (allDecoded < 0 && !avi && !bmp && preview.AniPrev()->FramesDecoded() == preview.AniPrev()->Frames()) {
            allDecoded = timer.nsecsElapsed() / 1e9;
        }
    });
    poll.start(20);
    QTimer::singleShot(std::atoi(argv[3]) * 1000, &app, &QApplication::quit);
    QApplication::exec();
    const int frames = avi   ? preview.AviPrev()->FramesShown()
                       : bmp ? !preview.BmpPrev()->pixmap().isNull()
                             : preview.AniPrev()->FramesDecoded();
    std::printf("%s: answered in %.3f s; %d frames %s in %s s", argv[1], answered, frames,
                avi || bmp ? "shown" : "decoded", argv[3]);
    if (allDecoded >= 0) std::printf(" (all of them after %.2f s)", allDecoded);
    std::printf("; peak memory %ld MB (%ld MB before the preview)\n", PeakKilobytes() / 1024, before / 1024);
    return frames > 0 ? 0 : 1;
}
