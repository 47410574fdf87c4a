// SIGTERM and SIGINT end the program as before once a sound was opened on an audio device: the
// audio's event loop takes no signal for itself.
#include <gtest/gtest.h>

#include <QProcess>
#include <csignal>

namespace restallow {
namespace {

// Starts the probe on SDL's dummy audio device, which every machine has, and sends it `signal`.
void ExpectEndedBy(int signal) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(SOUND_SIGNAL_PROBE), {QStringLiteral(RESTALLOW_TEST_DATA "/../preview/data/sound.wav")});
    ASSERT_TRUE(probe.waitForStarted(5000));
    ASSERT_TRUE(probe.waitForReadyRead(10000)) << probe.readAllStandardError().toStdString();
    ASSERT_EQ(probe.readAllStandardOutput().trimmed(), QByteArray("open"))
        << probe.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(probe.processId()), signal);
    const bool ended = probe.waitForFinished(5000);
    if (!ended) {
        probe.kill();
        probe.waitForFinished(5000);
    }
    ASSERT_TRUE(ended) << "the signal " << signal << " did not end the process";
    EXPECT_EQ(probe.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(probe.exitCode(), signal);  // a process ended by a signal reports it here
}

TEST(SoundSignals, SigtermAndSigintStillEndTheProgramAfterASoundWasOpened) {
    ExpectEndedBy(SIGTERM);
    ExpectEndedBy(SIGINT);
}

}  // namespace
}  // namespace restallow
