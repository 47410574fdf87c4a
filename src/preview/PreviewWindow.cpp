// The preview window. Every error of reading or decoding ends the procedure at the preview's
// boundary with one message box naming the file; what the procedure made is released. Every
// viewer reads only what it shows, within the memory ceiling of Picture.h.
#include "preview/PreviewWindow.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <stdexcept>

#include "byteformat/ByteReader.h"
#include "languages/MainStrings.h"
#include "platform/DebugChannel.h"
#include "preview/AniPlayer.h"
#include "preview/AviPlayer.h"
#include "preview/BmpFile.h"
#include "preview/FileBytes.h"
#include "preview/FontSample.h"
#include "preview/IconImage.h"
#include "preview/JpegDecoder.h"
#include "preview/MediaHeaders.h"
#include "preview/PictureImage.h"
#include "preview/PreviewPath.h"
#include "preview/PreviewScale.h"
#include "resources/KindTable.h"
#include "widgets/CaptionedProgressBar.h"
#include "widgets/UiText.h"

namespace restallow {
namespace {

constexpr int kOuterPanel = 3;  // raised bevel, border, lowered bevel of Pan
constexpr int kIconSize = 32;   // the system icon size, and the cursor size

struct PreviewError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const QString& text) { throw PreviewError(text.toStdString()); }

template <typename T>
T Take(fileaccess::Result<T>&& read) {
    if (!read) Fail(QString::fromStdString(read.error().message));
    return std::move(read).value();
}

// Windows counts a true-colour display as 32 bits when it picks an icon image.
int DisplayBits() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    return depth >= 24 ? 32 : depth;
}

PreviewScale ScaleOrFail(int width, int height, int language) {
    const auto scale = ComputePreviewScale(width, height);
    if (!scale) Fail(MsgText(language, MsgPictureNoSize));
    return *scale;
}

}  // namespace

PreviewWindow::PreviewWindow(Prompter& prompter, Context context, QWidget* parent, QStringList mediaModule)
    : QWidget(parent, Qt::Tool),
      prompter_(prompter),
      context_(std::move(context)),
      media_(std::move(mediaModule), context_.language),
      sound_(media_) {
    setObjectName(QStringLiteral("Prev"));
    setMinimumSize(68, 68);
    resize(80, 80);
    auto* pan = new QFrame(this);
    pan->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(pan);
    auto* panLayout = new QHBoxLayout(pan);
    panLayout->setContentsMargins(kOuterPanel - 1, kOuterPanel - 1, kOuterPanel - 1, kOuterPanel - 1);
    imgPanel_ = new QFrame(pan);
    imgPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panLayout->addWidget(imgPanel_);
    auto* viewers = new QHBoxLayout(imgPanel_);
    bmp_ = new QLabel(imgPanel_);
    gif_ = new QLabel(imgPanel_);
    ani_ = new AniPlayer(imgPanel_);
    avi_ = new AviPlayer(imgPanel_);
    for (QLabel* viewer : {bmp_, gif_, static_cast<QLabel*>(ani_), static_cast<QLabel*>(avi_)}) {
        viewer->setAlignment(Qt::AlignCenter);
        viewer->setMinimumSize(1, 1);
        viewer->hide();
        viewers->addWidget(viewer);
    }
    medPlay_ = new QWidget(imgPanel_);
    medPlay_->setGeometry(9, 22, 57, 28);
    auto* play = new QToolButton(medPlay_);
    play->setObjectName(QStringLiteral("Play"));
    play->setGeometry(0, 0, 28, 28);
    auto* stop = new QToolButton(medPlay_);
    stop->setObjectName(QStringLiteral("Stop"));
    stop->setGeometry(29, 0, 28, 28);
    connect(play, &QToolButton::clicked, this, [this] { PlaySound(); });
    connect(stop, &QToolButton::clicked, this, [this] { sound_.Stop(); });
    medPlay_->hide();
    SetClient(QSize(80, 80), 6);
}

PreviewWindow::~PreviewWindow() = default;

bool PreviewWindow::HiddenWhileWanted() const {
    return !isVisible() && context_.previewChecked && context_.previewChecked();
}

void PreviewWindow::RenameCaption(const QString& name) {
    name_ = name;
    setWindowTitle(name + sizeText_);
}

void PreviewWindow::SetClient(QSize client, int border) {
    border_ = border;
    const int inner = border + 1;  // the panel's border and its inner bevel
    imgPanel_->layout()->setContentsMargins(inner - 1, inner - 1, inner - 1, inner - 1);
    resize(client);
}

void PreviewWindow::Clear() {
    sizeText_.clear();
    originalSize_ = {};
    ani_->Stop();
    ani_->hide();
    avi_->Stop();
    avi_->hide();
    bmp_->clear();
    bmp_->hide();
    if (movie_) movie_->stop();
    gif_->setMovie(nullptr);
    movie_.reset();
    gifData_.reset();
    gif_->hide();
    sound_.Close();
    medPlay_->hide();
    imgPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void PreviewWindow::PreviewEntry(const ResourceEntry* entry) {
    Clear();
    if (!entry || !context_.previewChecked() || context_.selectedCount() != 1) {
        hide();
    } else {
        const QString path = QString::fromStdString(FileSystemPath(entry->path()));
        name_ = QString::fromStdString(entry->name);
        if (QFileInfo(path).isFile()) {
            try {
                Show(QString::fromStdString(entry->type), path);
            } catch (const PreviewError& error) {
                Clear();
                prompter_.message({QFileInfo(path).fileName() + QStringLiteral(": ") + QString::fromUtf8(error.what()),
                                   QStringLiteral("Resource Tallowin+"), MsgButtons::Ok, MsgIcon::Error,
                                   MsgButton::Ok});
                return;
            }
        }
    }
    if (context_.focusList) context_.focusList();
}

void PreviewWindow::Show(const QString& kind, const QString& path) {
    switch (KindOfKeyword(kind.toStdString())) {
        case kAniCursorKind: return ShowAnimatedCursor(path);
        case kAnimationKind: return ShowAvi(path);
        case kBitmapKind: return ShowBitmap(path);
        case kCursorKind: return ShowIconFile(path, true);
        case kGifKind: return ShowGif(path);
        case kIconKind: return ShowIconFile(path, false);
        case kJpgKind:
        case kJpegKind: return ShowJpeg(path);
        case kMidiKind: return ShowSound(path, true);
        case kWaveKind: return ShowSound(path, false);
        case kFontKind: return ShowFont(path);
        default: hide();  // string tables, include files and raw data have no preview
    }
}

void PreviewWindow::ShowBitmap(const QString& path) {
    const ShownPicture shown = Take(ReadBmpFile(path.toStdString(), [](int width, int height) {
        const auto scale = ComputePreviewScale(width, height);
        return scale ? std::pair(scale->shown.width(), scale->shown.height()) : std::pair(0, 0);
    }));
    bmp_->setPixmap(QPixmap::fromImage(ToImage(shown.picture)));
    ShowScaledViewer(bmp_, QSize(shown.originalWidth, shown.originalHeight), path);
}

void PreviewWindow::ShowJpeg(const QString& path) {
    CaptionedProgressBar* progress = context_.progress;
    struct HideProgress {
        CaptionedProgressBar* bar;
        QString format;
        ~HideProgress() {
            if (!bar) return;
            bar->hide();
            bar->setValue(0);
            bar->setFormat(format);
        }
    } hideAtEnd{progress, progress ? progress->format() : QString()};
    if (progress) {
        progress->setFormat(QStringLiteral("%p%") + QString::fromUtf8(MainStrings(context_.language())[UiLoaded]));
        progress->show();
    }
    const DecodedJpeg header = Take(ReadJpegSize(path.toStdString()));
    const PreviewScale scale = ScaleOrFail(header.width, header.height, context_.language());
    const DecodedJpeg jpeg =
        Take(DecodeJpeg(path.toStdString(), scale.shown.width(), scale.shown.height(), [progress](int percent) {
            if (progress) progress->setValue(percent);
        }));
    bmp_->setPixmap(QPixmap::fromImage(ToImage(jpeg.picture)));
    ShowScaledViewer(bmp_, QSize(jpeg.width, jpeg.height), path);
}

void PreviewWindow::SetOriginalSize(int width, int height) {
    originalSize_ = QSize(width, height);
    sizeText_ = OriginalSizeText(width, height, context_.language());
}

void PreviewWindow::SetViewerTip(QWidget* viewer, const QString& path) {
    viewer->setToolTip(path + u'\n' + sizeText_.trimmed());
    DebugSend({path + u'\r' + sizeText_.trimmed()});
}

// The window at the preview size of a picture `original` large, the caption and the viewer's
// tooltip telling the original size when the picture is reduced.
void PreviewWindow::ShowScaledViewer(QWidget* viewer, QSize original, const QString& path) {
    const PreviewScale scale = ScaleOrFail(original.width(), original.height(), context_.language());
    if (scale.reduced) SetOriginalSize(original.width(), original.height());
    SetClient(scale.client, 6);
    setWindowTitle(name_ + sizeText_);
    SetViewerTip(viewer, path);
    viewer->show();
    show();
}

void PreviewWindow::ShowSmallViewer() {
    SetClient(QSize(80, 80), (72 - kIconSize) / 2);
    setWindowTitle(name_);
    show();
}

// Icons and cursors alike: the image Windows picks for the system size, drawn at that size over
// the panel's colour (which the inverting pixels of a cursor invert).
void PreviewWindow::ShowIconFile(const QString& path, bool cursor) {
    const std::string bytes = Take(ReadFileBytes(path.toStdString())).bytes;
    const IconFile icon = Take(ReadIconFile(bytes));
    const IconEntry& image = icon.images[ChooseIconImage(icon.images, kIconSize, DisplayBits())];
    const QRgb background = imgPanel_->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
    bmp_->setPixmap(QPixmap::fromImage(ToImage(Take(DrawIconImage(image, kIconSize, kIconSize, background)))));
    bmp_->setToolTip(path);
    if (!cursor) DebugSend({path});
    bmp_->show();
    ShowSmallViewer();
}

void PreviewWindow::ShowGif(const QString& path) {
    // The logical screen size decides the canvas the decoder holds for every frame.
    const std::string head = ReadFileRange(path.toStdString(), 0, 10);
    if (head.size() < 10 || head.compare(0, 3, "GIF") != 0) Fail(MsgText(context_.language(), MsgNotGif));
    const std::size_t width = byteformat::ReadU16(head, 6), height = byteformat::ReadU16(head, 8);
    if (width * height * 4 > kPreviewMemoryCeiling) Fail(QString::fromStdString(TooLarge("the GIF picture").message));
    // The bytes come through the file-access part; the movie decodes them from memory.
    gifData_ = std::make_unique<QBuffer>();
    gifData_->setData(QByteArray::fromStdString(Take(ReadFileBytes(path.toStdString())).bytes));
    movie_ = std::make_unique<QMovie>(gifData_.get(), "GIF");
    if (!movie_->isValid() || !movie_->jumpToFrame(0)) Fail(MsgText(context_.language(), MsgGifInvalid));
    const QSize size = movie_->currentImage().size();
    const int frames = movie_->frameCount();
    sizeText_ = frames > 1 ? QStringLiteral("  %1 Frames").arg(frames) : QStringLiteral("  ");
    const PreviewScale scale = ScaleOrFail(size.width(), size.height(), context_.language());
    if (scale.factor < 1.0) movie_->setScaledSize(scale.shown);  // stretched to the reduced size
    gif_->setMovie(movie_.get());
    if (frames > 1) movie_->start();
    ShowScaledViewer(gif_, size, path);
}

void PreviewWindow::ShowAnimatedCursor(const QString& path) {
    const QRgb background = imgPanel_->palette().color(QPalette::Window).rgb();
    std::string bytes = Take(ReadFileBytes(path.toStdString())).bytes;
    Take(ani_->Open(std::move(bytes), kIconSize, DisplayBits(), background, context_.language()));
    ani_->setToolTip(path);
    ani_->show();
    ShowSmallViewer();
}

void PreviewWindow::ShowAvi(const QString& path) {
    const std::string head =
        ReadFileRange(path.toStdString(), 0, 72);  // the main header is all the viewer reads itself
    const AviHeader avi = Take(ReadAviHeader(head));
    if (avi.width == 0 || avi.height == 0 || avi.width > 65535 || avi.height > 65535)
        Fail(MsgText(context_.language(), MsgClipNoSize));
    Take(avi_->Open(path, media_, kPreviewMemoryCeiling, context_.language()));
    avi_->Play();
    ShowScaledViewer(avi_, QSize(static_cast<int>(avi.width), static_cast<int>(avi.height)), path);
}

// The icons come from the icon theme, which takes milliseconds to search: they are looked up
// when a sound is first shown, not while the main window starts.
void PreviewWindow::ShowPlayButtons() {
    auto* play = medPlay_->findChild<QToolButton*>(QStringLiteral("Play"));
    if (play->icon().isNull()) {
        play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        medPlay_->findChild<QToolButton*>(QStringLiteral("Stop"))->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    }
    medPlay_->show();
}

// The file is checked before the device is opened; a missing device (or media module) leaves
// Play and Stop shown, and Play tries again.
void PreviewWindow::ShowSound(const QString& path, bool midi) {
    const std::string file = path.toStdString();
    const std::int64_t size = FileSizeOf(file);
    Take(midi ? CheckMidi(Take(ReadFileBytes(file)).bytes)
              : CheckWave([&](std::uint64_t offset, std::size_t count) { return ReadFileRange(file, offset, count); },
                          static_cast<std::uint64_t>(size)));
    const fileaccess::Status opened = sound_.Open(path);
    if (!opened && SoundPlayer::FaultOf(opened.error()) == SoundPlayer::Fault::BadFile)
        Fail(QString::fromStdString(opened.error().message));
    medPlay_->setToolTip(path);
    ShowPlayButtons();
    ShowSmallViewer();
    imgPanel_->setFrameShape(QFrame::NoFrame);  // the buttons sit on a flat panel
    ReportSoundProblem(opened);
}

void PreviewWindow::PlaySound() { ReportSoundProblem(sound_.Play()); }

// A machine without sound says so once, as one line in the output box; every later sound
// shows its buttons silently.
void PreviewWindow::ReportSoundProblem(const fileaccess::Status& status) {
    if (status) return;
    const SoundPlayer::Fault fault = SoundPlayer::FaultOf(status.error());
    const QString reason = QString::fromStdString(status.error().message);
    if (fault != SoundPlayer::Fault::BadFile && context_.noteOutput) {
        if (!soundNoted_)
            context_.noteOutput(MsgText(context_.language(), MsgNoSound) + QStringLiteral(" (%1).").arg(reason));
        soundNoted_ = true;
        return;
    }
    const QString file = QFileInfo(medPlay_->toolTip()).fileName();
    const QString text =
        MsgText(context_.language(), fault == SoundPlayer::Fault::NoDevice ? MsgNoAudioDevice : MsgCannotPlay);
    prompter_.message({text.arg(file, reason), QStringLiteral("Resource Tallowin+"), MsgButtons::Ok, MsgIcon::Warning,
                       MsgButton::Ok});
}

void PreviewWindow::ShowFont(const QString& path) {
    const FontSample sample =
        Take(DrawFontSample(path, Take(ReadFileBytes(path.toStdString())).bytes, context_.fonts, context_.language()));
    SetClient(QSize(sample.picture.width() + 20, 80), 6);
    setWindowTitle(name_);
    bmp_->setPixmap(sample.picture);
    bmp_->setToolTip(path);
    bmp_->show();
    show();
}

void PreviewWindow::Relabel(int language) {
    if (originalSize_.isEmpty()) return;  // the caption tells no original size
    sizeText_ = OriginalSizeText(originalSize_.width(), originalSize_.height(), language);
    setWindowTitle(name_ + sizeText_);
    for (QWidget* viewer : {static_cast<QWidget*>(bmp_), static_cast<QWidget*>(gif_), static_cast<QWidget*>(avi_)}) {
        const QString tip = viewer->toolTip();
        const auto lineBreak = tip.indexOf(u'\n');
        if (viewer->isVisibleTo(this) && lineBreak >= 0)
            viewer->setToolTip(tip.left(lineBreak + 1) + sizeText_.trimmed());
    }
}

}  // namespace restallow
