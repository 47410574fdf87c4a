// The preview of sounds: without an audio device, with a damaged file, without the media module.
#include <gtest/gtest.h>

#include <QFrame>
#include <QToolButton>
#include <cstdlib>
#include <string>
#include <vector>

#include "PreviewFixture.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

using test::Entry;
using test::Fixture;
using test::PreviewTest;

// SDL reads its audio driver from the environment each time the device is opened.
struct AudioDriver {
    explicit AudioDriver(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
    ~AudioDriver() { unsetenv("SDL_AUDIODRIVER"); }
};

// In the window a missing device is one line in the output box, told once; every later sound
// shows its buttons without a box.
TEST_F(PreviewTest, WithoutSoundInTheWindowOneLineIsNotedOnceAndNoBoxOpens) {
    std::vector<QString> notes;
    PreviewWindow windowed(prompter, {[] { return true; },
                                      [] { return 1; },
                                      [] { return 3; },
                                      {},
                                      nullptr,
                                      {},
                                      [&notes](const QString& line) { notes.push_back(line); }});
    const AudioDriver none("no_such_driver");
    for (const char* file : {"sound.wav", "tune.mid", "sound.wav"}) {
        const ResourceEntry sound =
            Entry("Wave_1", std::string(file).ends_with("mid") ? " MIDI " : " WAVE ", Fixture(file));
        windowed.PreviewEntry(&sound);
        EXPECT_TRUE(windowed.MedPlay()->isVisible());
    }
    windowed.MedPlay()->findChild<QToolButton*>(QStringLiteral("Play"))->click();
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_TRUE(notes[0].startsWith(QStringLiteral("Hier kann kein Klang abgespielt werden")))
        << notes[0].toStdString();
    EXPECT_FALSE(notes[0].contains(u'\r'));
}

TEST_F(PreviewTest, ASoundWithoutAnAudioDeviceGivesOneMessageNamingTheFileAndKeepsPlayAndStop) {
    {
        const AudioDriver none("no_such_driver");
        prompter.messageAnswers = {MsgButton::Ok, MsgButton::Ok};
        Show("Wave_1", " WAVE ", Fixture("sound.wav"));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("sound.wav cannot be played: no audio device")))
            << prompter.messages[0].text.toStdString();
        EXPECT_TRUE(preview.MedPlay()->isVisible());
        // The buttons' icons are looked up when the first sound is shown, not at start-up.
        for (const char* button : {"Play", "Stop"}) {
            EXPECT_FALSE(preview.MedPlay()->findChild<QToolButton*>(QString::fromLatin1(button))->icon().isNull())
                << button;
        }
        EXPECT_EQ(preview.ImgPanel()->frameShape(), QFrame::NoFrame);  // no black line around the buttons
        preview.MedPlay()->findChild<QToolButton*>(QStringLiteral("Play"))->click();
        EXPECT_EQ(prompter.messages.size(), 2u);  // Play tried the device again
    }
    const AudioDriver dummy("dummy");
    preview.MedPlay()->findChild<QToolButton*>(QStringLiteral("Play"))->click();
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(preview.Sound().IsOpen());
    Show("Midi_1", " MIDI ", Fixture("tune.mid"));
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(preview.Sound().IsOpen());
    Show("Bitmap_1", " BITMAP ", Fixture("bmp10x10.bmp"));
    EXPECT_EQ(preview.ImgPanel()->frameShape(), QFrame::Panel);
}

TEST_F(PreviewTest, ADamagedWaveIsReportedAsTheFileBeforeAnyDeviceIsTried) {
    test::TempDir dir;
    std::string wave = test::TempDir::read(Fixture("sound.wav").toStdString());
    wave.resize(wave.size() / 2);  // the data chunk now runs past the end
    const std::string path = dir.write(QStringLiteral("wave_data_cut_short.wav"), wave);
    const AudioDriver none("no_such_driver");
    prompter.messageAnswers.push_back(MsgButton::Ok);
    Show("Wave_1", " WAVE ", QString::fromStdString(path));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              QStringLiteral("wave_data_cut_short.wav: the WAVE sound's \"data\" chunk is cut short"));
    EXPECT_EQ(prompter.messages[0].icon, MsgIcon::Error);
    EXPECT_FALSE(preview.MedPlay()->isVisible());
}

TEST_F(PreviewTest, WithoutTheMediaModuleClipsAndSoundsSaySoClearly) {
    PreviewWindow alone(prompter, {[] { return true; }, [] { return 1; }, [] { return 1; }, {}, nullptr, {}, {}},
                        nullptr, {QStringLiteral("/nonexistent/librestallow_media.so")});
    prompter.messageAnswers.push_back(MsgButton::Ok);
    const ResourceEntry clip = Entry("Animation_1", " ANIMATION ", Fixture("clip64x48.avi"));
    alone.PreviewEntry(&clip);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(
        QStringLiteral("The media module that plays sounds and AVI clips cannot be loaded")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("librestallow_media.so")));
}

}  // namespace
}  // namespace restallow
