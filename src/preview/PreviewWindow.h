// Prev: the floating preview of the selected Resource List entry, with one viewer per kind.
#pragma once

#include <QBuffer>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/Prompter.h"
#include "preview/MediaLibrary.h"
#include "preview/SoundPlayer.h"
#include "resources/ListHost.h"

class QFrame;
class QLabel;
class QMovie;

namespace restallow {

class AniPlayer;
class AviPlayer;
class CaptionedProgressBar;

class PreviewWindow : public QWidget, public PreviewPort {
    Q_OBJECT

public:
    struct Context {
        std::function<bool()> previewChecked;  // the Preview box
        std::function<int()> selectedCount;    // entries selected in the list
        std::function<int()> language;
        std::function<void()> focusList;
        CaptionedProgressBar* progress = nullptr;  // Prog
        QStringList fonts;                         // TrueType families installed at start
        // A line for the output box; without one a missing sound device is a message box.
        std::function<void(const QString&)> noteOutput;
    };

    // mediaModule: where the media module may lie; empty: MediaLibrary's default places.
    PreviewWindow(Prompter& prompter, Context context, QWidget* parent = nullptr, QStringList mediaModule = {});
    ~PreviewWindow() override;

    // PreviewPort
    void ShowEntry(const ResourceEntry* entry) override { PreviewEntry(entry); }
    void Hide() override { QWidget::hide(); }
    bool HiddenWhileWanted() const override;
    void RenameCaption(const QString& name) override;

    void PreviewEntry(const ResourceEntry* entry);
    // After a language change: the original-size text of the caption and tooltip in the new words.
    void Relabel(int language);

    const QString& SizeText() const { return sizeText_; }
    QSize ClientSize() const { return size(); }
    int ImagePanelBorder() const { return border_; }
    QLabel* BmpPrev() const { return bmp_; }
    QLabel* GIFPrev() const { return gif_; }
    AniPlayer* AniPrev() const { return ani_; }
    AviPlayer* AviPrev() const { return avi_; }
    QWidget* MedPlay() const { return medPlay_; }
    QFrame* ImgPanel() const { return imgPanel_; }
    QMovie* Movie() const { return movie_.get(); }
    SoundPlayer& Sound() { return sound_; }

private:
    void Clear();
    void Show(const QString& kind, const QString& path);
    void ShowBitmap(const QString& path);
    void ShowJpeg(const QString& path);
    void ShowIconFile(const QString& path, bool cursor);
    void ShowGif(const QString& path);
    void ShowAnimatedCursor(const QString& path);
    void ShowAvi(const QString& path);
    void ShowPlayButtons();
    void ShowSound(const QString& path, bool midi);
    void ShowFont(const QString& path);
    void PlaySound();
    void ReportSoundProblem(const fileaccess::Status& status);

    void ShowScaledViewer(QWidget* viewer, QSize original, const QString& path);
    void ShowSmallViewer();
    void SetClient(QSize client, int border);
    void SetViewerTip(QWidget* viewer, const QString& path);
    void SetOriginalSize(int width, int height);

    Prompter& prompter_;
    Context context_;
    MediaLibrary media_;
    QFrame* imgPanel_;
    QLabel* bmp_;
    QLabel* gif_;
    AniPlayer* ani_;
    AviPlayer* avi_;
    QWidget* medPlay_;
    std::unique_ptr<QBuffer> gifData_;  // what movie_ reads: goes after it
    std::unique_ptr<QMovie> movie_;
    SoundPlayer sound_;
    QString name_;
    QString sizeText_;
    QSize originalSize_;  // when sizeText_ tells it
    int border_ = 6;
    bool soundNoted_ = false;  // a missing device is told once
};

}  // namespace restallow
