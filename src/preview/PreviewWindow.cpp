// The preview window. Every error of reading or decoding ends the procedure at the preview's
// boundary with one message box; what the procedure made is released.
#include "preview/PreviewWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <stdexcept>

#include "preview/AviPlayer.h"
#include "preview/JpegDecoder.h"
#include "preview/MediaHeaders.h"
#include "preview/PreviewScale.h"
#include "shell/DebugChannel.h"
#include "widgets/CaptionedProgressBar.h"

namespace restallow {
namespace {

constexpr int kOuterPanel = 3;       // raised bevel, border, lowered bevel of Pan
constexpr int kIconSize = 32;
const QColor kTransparent(0xFF, 0x00, 0xFF);

struct PreviewError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const QString& text) { throw PreviewError(text.toStdString()); }

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) Fail(file.errorString());
    return file.readAll();
}

QImage ReadImage(const QString& path, const QByteArray& format = {}) {
    QImageReader reader(path, format);
    const QImage image = reader.read();
    if (image.isNull()) Fail(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), reader.errorString()));
    return image;
}

QPixmap FitIcon(const QImage& image) {
    return QPixmap::fromImage(image.width() > kIconSize || image.height() > kIconSize
                                  ? image.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                  : image);
}

}  // namespace

PreviewWindow::PreviewWindow(Prompter& prompter, Context context, QWidget* parent)
    : QWidget(parent, Qt::Tool), prompter_(prompter), context_(std::move(context)) {
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
    ani_ = new QLabel(imgPanel_);
    avi_ = new AviPlayer(imgPanel_);
    for (QLabel* viewer : {bmp_, gif_, ani_, static_cast<QLabel*>(avi_)}) {
        viewer->setAlignment(Qt::AlignCenter);
        viewer->setMinimumSize(1, 1);
        viewer->hide();
        viewers->addWidget(viewer);
    }
    medPlay_ = new QWidget(imgPanel_);
    medPlay_->setGeometry(9, 22, 57, 28);
    auto* play = new QToolButton(medPlay_);
    play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    play->setGeometry(0, 0, 28, 28);
    auto* stop = new QToolButton(medPlay_);
    stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    stop->setGeometry(29, 0, 28, 28);
    connect(play, &QToolButton::clicked, this, [this] { sound_.Play(); });
    connect(stop, &QToolButton::clicked, this, [this] { sound_.Stop(); });
    medPlay_->hide();
    connect(&aniTimer_, &QTimer::timeout, this, [this] {
        if (aniFrames_.empty()) return;
        aniFrame_ = (aniFrame_ + 1) % aniFrames_.size();
        ani_->setPixmap(aniFrames_[aniFrame_]);
    });
    SetClient(QSize(80, 80), 6);
}

PreviewWindow::~PreviewWindow() = default;

bool PreviewWindow::hiddenWhileWanted() const { return !isVisible() && context_.previewChecked && context_.previewChecked(); }

void PreviewWindow::renameCaption(const QString& name) {
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
    aniTimer_.stop();
    aniFrames_.clear();
    ani_->clear();
    ani_->hide();
    avi_->Stop();
    avi_->hide();
    bmp_->clear();
    bmp_->hide();
    if (movie_) movie_->stop();
    gif_->setMovie(nullptr);
    movie_.reset();
    gif_->hide();
    sound_.Close();
    medPlay_->hide();
    imgPanel_->setFrameShadow(QFrame::Raised);
}

void PreviewWindow::PreviewEntry(const ResourceEntry* entry) {
    Clear();
    if (!entry || !context_.previewChecked() || context_.selectedCount() != 1) {
        hide();
    } else {
        const QString path = QString::fromStdString(entry->path());
        name_ = QString::fromStdString(entry->name);
        if (QFileInfo(path).isFile()) {
            try {
                Show(QString::fromStdString(entry->type), path);
            } catch (const PreviewError& error) {
                Clear();
                prompter_.message({QString::fromUtf8(error.what()), QStringLiteral("Resource Tallowin+"), MsgButtons::Ok,
                                   MsgIcon::Error, MsgButton::Ok});
                return;
            }
        }
    }
    if (context_.focusList) context_.focusList();
}

void PreviewWindow::Show(const QString& kind, const QString& path) {
    if (kind == QStringLiteral(" ANICURSOR ")) return ShowAnimatedCursor(path);
    if (kind == QStringLiteral(" ANIMATION ")) return ShowAvi(path);
    if (kind == QStringLiteral(" BITMAP ")) return ShowBitmap(path);
    if (kind == QStringLiteral(" CURSOR ")) return ShowCursor(path);
    if (kind == QStringLiteral(" GIF ")) return ShowGif(path);
    if (kind == QStringLiteral(" ICON ")) return ShowIcon(path);
    if (kind == QStringLiteral(" JPEG ")) return ShowJpeg(path);
    if (kind == QStringLiteral(" MIDI ") || kind == QStringLiteral(" WAVE ")) return ShowSound(path);
    if (kind == QStringLiteral(" TTFONT ")) return ShowFont(path);
    hide();  // string tables, include files and raw data have no preview
}

void PreviewWindow::ShowBitmap(const QString& path) {
    const QImage bitmap = ReadImage(path, "BMP");
    ShowScaledPicture(bitmap, bitmap.size(), path);
}

void PreviewWindow::ShowJpeg(const QString& path) {
    CaptionedProgressBar* progress = context_.progress;
    if (progress) progress->show();
    struct HideProgress {
        CaptionedProgressBar* bar;
        ~HideProgress() {
            if (bar) {
                bar->hide();
                bar->setValue(0);
            }
        }
    } hideAtEnd{progress};
    const auto size = ReadJpegSize(path.toStdString());
    if (const auto* error = std::get_if<std::string>(&size)) Fail(QString::fromStdString(*error));
    const auto& header = std::get<DecodedJpeg>(size);
    const auto scale = ComputePreviewScale(header.width, header.height);
    if (!scale) Fail(QStringLiteral("The picture has no width or height."));
    const auto decoded = DecodeJpeg(path.toStdString(), scale->shown.width(), scale->shown.height(), [progress](int percent) {
        if (progress) progress->setValue(percent);
    });
    if (const auto* error = std::get_if<std::string>(&decoded)) Fail(QString::fromStdString(*error));
    const auto& jpeg = std::get<DecodedJpeg>(decoded);
    // The decoder reduced what it could; the last step to the shown size is drawn once after it.
    const QImage pixels(jpeg.rgb.data(), jpeg.decodedWidth, jpeg.decodedHeight, jpeg.decodedWidth * 3, QImage::Format_RGB888);
    ShowScaledPicture(pixels, QSize(jpeg.width, jpeg.height), path);
}

void PreviewWindow::ShowScaledPicture(const QImage& picture, QSize original, const QString& path) {
    const int width = original.width(), height = original.height();
    const auto scale = ComputePreviewScale(width, height);
    if (!scale) Fail(QStringLiteral("The picture has no width or height."));
    if (scale->reduced) {
        originalSize_ = QSize(width, height);
        sizeText_ = OriginalSizeText(width, height, context_.language());
    }
    const QImage shown = picture.size() == scale->shown
                             ? picture
                             : picture.scaled(scale->shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    SetClient(scale->client, 6);
    setWindowTitle(name_ + sizeText_);
    bmp_->setPixmap(QPixmap::fromImage(shown));
    SetViewerTip(bmp_, path);
    bmp_->show();
    show();
}

void PreviewWindow::SetViewerTip(QWidget* viewer, const QString& path) {
    viewer->setToolTip(path + u'\n' + sizeText_.trimmed());
    DebugSend({path + u'\r' + sizeText_.trimmed()});
}

void PreviewWindow::ShowScaledViewer(QWidget* viewer, int width, int height, const QString& path) {
    const auto scale = ComputePreviewScale(width, height);
    if (!scale) Fail(QStringLiteral("The picture has no width or height."));
    if (scale->reduced) {
        originalSize_ = QSize(width, height);
        sizeText_ = OriginalSizeText(width, height, context_.language());
    }
    SetClient(scale->client, 6);
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

void PreviewWindow::ShowCursor(const QString& path) {
    bmp_->setPixmap(FitIcon(ReadImage(path, "CUR")));  // drawn with its transparency
    bmp_->setToolTip(path);
    bmp_->show();
    ShowSmallViewer();
}

void PreviewWindow::ShowIcon(const QString& path) {
    bmp_->setPixmap(FitIcon(ReadImage(path, "ICO")));
    bmp_->setToolTip(path);
    DebugSend({path});
    bmp_->show();
    ShowSmallViewer();
}

void PreviewWindow::ShowGif(const QString& path) {
    movie_ = std::make_unique<QMovie>(path, "GIF");
    if (!movie_->isValid() || !movie_->jumpToFrame(0)) Fail(QStringLiteral("%1: not a valid GIF picture").arg(QFileInfo(path).fileName()));
    const QSize size = movie_->currentImage().size();
    const int frames = movie_->frameCount();
    sizeText_ = frames > 1 ? QStringLiteral("  %1 Frames").arg(frames) : QStringLiteral("  ");
    const auto scale = ComputePreviewScale(size.width(), size.height());
    if (!scale) Fail(QStringLiteral("The picture has no width or height."));
    if (scale->factor < 1.0) movie_->setScaledSize(scale->shown);  // stretched to the reduced size
    gif_->setMovie(movie_.get());
    if (frames > 1) movie_->start();
    ShowScaledViewer(gif_, size.width(), size.height(), path);
}

void PreviewWindow::ShowAnimatedCursor(const QString& path) {
    const QByteArray bytes = ReadAll(path);
    const auto read = ReadAnimatedCursor(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<std::string>(&read)) Fail(QString::fromStdString(*error));
    const AnimatedCursor& cursor = std::get<AnimatedCursor>(read);
    // One strip on the transparent colour, every frame as large as the first.
    QSize frameSize;
    std::vector<QImage> images;
    for (std::string_view frame : cursor.frames) {
        QImage image = QImage::fromData(QByteArray(frame.data(), static_cast<qsizetype>(frame.size())));
        if (image.isNull()) Fail(QStringLiteral("a frame of the animated cursor cannot be read"));
        if (frameSize.isEmpty()) frameSize = image.size();
        images.push_back(image);
    }
    QImage strip(frameSize.width() * static_cast<int>(images.size()), frameSize.height(), QImage::Format_ARGB32);
    strip.fill(kTransparent);
    QPainter painter(&strip);
    for (std::size_t i = 0; i < images.size(); ++i) painter.drawImage(QRect(QPoint(static_cast<int>(i) * frameSize.width(), 0), frameSize), images[i]);
    painter.end();
    for (std::size_t i = 0; i < images.size(); ++i) {
        QPixmap frame = QPixmap::fromImage(strip.copy(static_cast<int>(i) * frameSize.width(), 0, frameSize.width(), frameSize.height())
                                               .scaled(kIconSize, kIconSize, Qt::KeepAspectRatio));
        frame.setMask(frame.createMaskFromColor(kTransparent));
        aniFrames_.push_back(frame);
    }
    aniFrame_ = 0;
    ani_->setPixmap(aniFrames_.front());
    aniTimer_.setInterval(static_cast<int>(std::min<std::uint32_t>(cursor.DelayMilliseconds(), INT32_MAX)));
    aniTimer_.start();
    ani_->setToolTip(path);
    ani_->show();
    ShowSmallViewer();
}

void PreviewWindow::ShowAvi(const QString& path) {
    const QByteArray bytes = ReadAll(path);
    const auto header = ReadAviHeader(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<std::string>(&header)) Fail(QString::fromStdString(*error));
    const AviHeader& avi = std::get<AviHeader>(header);
    if (avi.width == 0 || avi.height == 0 || avi.width > 65535 || avi.height > 65535) Fail(QStringLiteral("The clip has no width or height."));
    if (const QString error = avi_->Open(path); !error.isEmpty()) Fail(error);
    avi_->Play();
    ShowScaledViewer(avi_, static_cast<int>(avi.width), static_cast<int>(avi.height), path);
}

void PreviewWindow::ShowSound(const QString& path) {
    if (const QString error = sound_.Open(path); !error.isEmpty()) Fail(error);
    medPlay_->setToolTip(path);
    medPlay_->show();
    ShowSmallViewer();
    imgPanel_->setFrameShadow(QFrame::Plain);
}

void PreviewWindow::ShowFont(const QString& path) {
    const QByteArray bytes = ReadAll(path);
    const auto family = ReadFontFamily(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (family.index() == 1) Fail(QString::fromStdString(std::get<1>(family)));
    const QString face = QString::fromStdString(std::get<0>(family)).left(32);
    // A font not installed at start is installed for the moment of drawing, then removed again.
    int added = -1;
    if (!context_.fonts.contains(face, Qt::CaseInsensitive)) {
        added = QFontDatabase::addApplicationFont(path);
        if (added < 0) Fail(QStringLiteral("%1: the font cannot be loaded").arg(QFileInfo(path).fileName()));
    }
    struct RemoveFont {
        int id;
        ~RemoveFont() {
            if (id >= 0) QFontDatabase::removeApplicationFont(id);
        }
    } removeAtEnd{added};
    const QFont font(face, 12);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(face);
    QPixmap sample(std::max(60, textWidth + 6), 60);
    sample.fill(QApplication::palette().color(QPalette::Button));
    QPainter painter(&sample);
    painter.setFont(font);
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.drawText((sample.width() - textWidth) / 2, (60 - metrics.height()) / 2 + metrics.ascent(), face);
    painter.end();
    SetClient(QSize(sample.width() + 20, 80), 6);
    setWindowTitle(name_);
    bmp_->setPixmap(sample);
    bmp_->setToolTip(path);
    bmp_->show();
    show();
}

void PreviewWindow::Relabel(int language) {
    if (!windowTitle().contains(QStringLiteral("Original")) || originalSize_.isEmpty()) return;
    sizeText_ = OriginalSizeText(originalSize_.width(), originalSize_.height(), language);
    setWindowTitle(name_ + sizeText_);
    for (QWidget* viewer : {static_cast<QWidget*>(bmp_), static_cast<QWidget*>(gif_), static_cast<QWidget*>(avi_)}) {
        const QString tip = viewer->toolTip();
        const auto at = tip.indexOf(QStringLiteral("Original"));
        if (at >= 0) viewer->setToolTip(tip.left(at) + sizeText_.trimmed());
    }
}

}  // namespace restallow
