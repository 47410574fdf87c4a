// Times the preview of a large JPEG picture: from handing the entry to the preview until the
// reduced picture is shown. bench/preview_bench.sh compares it with djpeg decoding the file fully.
#include <QApplication>

#include <QElapsedTimer>
#include <cstdio>
#include "QuietPrompter.h"

#include "preview/PreviewWindow.h"
#include "widgets/CaptionedProgressBar.h"

using restallow::bench::QuietPrompter;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    QuietPrompter prompter;
    restallow::CaptionedProgressBar progress;
    restallow::PreviewWindow preview(prompter,
                                     {[] { return true; }, [] { return 1; }, [] { return 1; }, {}, &progress, {}, {}});
    const restallow::ResourceEntry entry{"JPEG_1", " JPEG ", "", restallow::ResourceEntry::QuoteFile(argv[1])};
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        preview.PreviewEntry(&entry);
        QCoreApplication::processEvents();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    std::printf("%.4f\n", best);
    return preview.windowTitle().contains(QStringLiteral("Original")) ? 0 : 1;
}
