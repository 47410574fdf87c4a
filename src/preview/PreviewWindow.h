// Prev: the floating preview of the selected Resource List entry, with one viewer per kind.
#pragma once

#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Prompter.h"
#include "preview/SoundPlayer.h"
#include "resources/ListHost.h"

class QFrame;
class QLabel;
class QMovie;
class QToolButton;

namespace restallow {

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
    };

    PreviewWindow(Prompter& prompter, Context context, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // PreviewPort
    void showEntry(const ResourceEntry* entry) override { PreviewEntry(entry); }
    void hide() override { QWidget::hide(); }
    bool hiddenWhileWanted() const override;
    void renameCaption(const QString& name) override;

    void PreviewEntry(const ResourceEntry* entry);
    // After a language change: the original-size text of the caption and tooltip in the new words.
    void Relabel(int language);

    const QString& SizeText() const { return sizeText_; }
    QSize clientSize() const { return size(); }
    int imagePanelBorder() const { return border_; }
    QLabel* BmpPrev() const { return bmp_; }
    QLabel* GIFPrev() const { return gif_; }
    QLabel* AniPrev() const { return ani_; }
    AviPlayer* AviPrev() const { return avi_; }
    QWidget* MedPlay() const { return medPlay_; }
    QMovie* movie() const { return movie_.get(); }
    int aniFrames() const { return static_cast<int>(aniFrames_.size()); }
    int aniInterval() const { return aniTimer_.interval(); }
    SoundPlayer& sound() { return sound_; }

private:
    void Clear();
    void Show(const QString& kind, const QString& path);
    void ShowBitmap(const QString& path);
    void ShowJpeg(const QString& path);
    void ShowCursor(const QString& path);
    void ShowIcon(const QString& path);
    void ShowGif(const QString& path);
    void ShowAnimatedCursor(const QString& path);
    void ShowAvi(const QString& path);
    void ShowSound(const QString& path);
    void ShowFont(const QString& path);

    void ShowScaledPicture(const QImage& picture, QSize original, const QString& path);
    void ShowScaledViewer(QWidget* viewer, int width, int height, const QString& path);
    void ShowSmallViewer();
    void SetClient(QSize client, int border);
    void SetViewerTip(QWidget* viewer, const QString& path);

    Prompter& prompter_;
    Context context_;
    QFrame* imgPanel_;
    QLabel* bmp_;
    QLabel* gif_;
    QLabel* ani_;
    AviPlayer* avi_;
    QWidget* medPlay_;
    std::unique_ptr<QMovie> movie_;
    std::vector<QPixmap> aniFrames_;
    std::size_t aniFrame_ = 0;
    QTimer aniTimer_;
    SoundPlayer sound_;
    QString name_;
    QString sizeText_;
    QSize originalSize_;  // when sizeText_ tells it
    int border_ = 6;
};

}  // namespace restallow
