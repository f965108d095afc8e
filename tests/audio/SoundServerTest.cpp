// The game's music and sound effects played through a real sound server: a private PulseAudio
// server whose only output is a null sink, recorded from that sink's monitor with parec.
#include "audio/QtAudioDevice.h"
#include "audio/SoundEffects.h"
#include "audio/mp3.h"

#include <cmath>
#include <cstring>

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int Rate = 44100;
constexpr int FrameBytes = 4; // two channels of 16-bit samples

// A PulseAudio server of this test's own, with its own runtime folder, stopped when it goes.
// It starts with a recorder on its null sink; Problem() tells why when that fails.
class PrivateSoundServer
{
public:
    PrivateSoundServer()
    {
        const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
        const QString parec = QStandardPaths::findExecutable("parec");
        if (pulseaudio.isEmpty() || parec.isEmpty()) {
            problem = "PulseAudio is not installed (packages pulseaudio and pulseaudio-utils)";
            return;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Everything the server keeps (cookie, state) stays in the runtime folder, also as root.
        for (const char* name : {"XDG_RUNTIME_DIR", "HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
            environment.insert(name, m_runtime.path());
        environment.insert("PULSE_RUNTIME_PATH", m_runtime.filePath("pulse"));
        m_server.setProcessEnvironment(environment);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(pulseaudio,
                       {"-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1",
                        "--use-pid-file=no", "--disable-shm=yes", "--log-target=stderr", "-L",
                        "module-null-sink sink_name=orvante_test rate=44100 channels=2", "-L",
                        "module-native-protocol-unix auth-anonymous=1 socket=" + Socket()});
        const auto up = [this] { return QFileInfo::exists(Socket()); };
        if (!QTest::qWaitFor([&] { return up() || m_server.state() == QProcess::NotRunning; })
            || !up()) {
            m_server.waitForFinished(100);
            problem = "PulseAudio did not start: " + QString::fromLocal8Bit(m_server.readAll());
            return;
        }
        m_recorder.setProcessEnvironment(environment);
        QObject::connect(&m_recorder, &QProcess::readyReadStandardOutput,
                         [this] { recorded += m_recorder.readAllStandardOutput(); });
        m_recorder.start(parec,
                         {"--server=" + Address(), "--device=orvante_test.monitor",
                          "--format=s16le", "--rate=44100", "--channels=2", "--raw",
                          "--latency-msec=20"});
        // The monitor of an idle null sink streams silence: data arriving means it records.
        if (!QTest::qWaitFor([this] { return recorded.size() >= Rate * FrameBytes / 5; })
            && recorded.isEmpty())
            problem = "parec recorded nothing from the PulseAudio server";
    }
    ~PrivateSoundServer()
    {
        for (QProcess* process : {&m_recorder, &m_server}) {
            process->terminate();
            if (process->state() != QProcess::NotRunning && !process->waitForFinished(5000))
                process->kill(), process->waitForFinished(2000);
        }
    }
    [[nodiscard]] QString Socket() const { return m_runtime.filePath("native"); }
    [[nodiscard]] QString Address() const { return "unix:" + Socket(); }
    [[nodiscard]] qsizetype Frames() const { return recorded.size() / FrameBytes; }
    QString problem;
    QByteArray recorded;

private:
    QTemporaryDir m_runtime;
    QProcess m_server, m_recorder;
};

// Sample i (both channels interleaved) of a recording.
std::int16_t Sample(const QByteArray& pcm, qsizetype i)
{
    std::int16_t value = 0;
    std::memcpy(&value, pcm.constData() + i * 2, sizeof value);
    return value;
}

// RMS level in dB of full scale of the frames from first to last (excluded); -inf for silence.
double Level(const QByteArray& pcm, qsizetype first, qsizetype last)
{
    double sum = 0;
    qsizetype count = 0;
    for (qsizetype i = first * 2; i < last * 2 && i < pcm.size() / 2; ++i, ++count)
        sum += std::pow(Sample(pcm, i) / 32768.0, 2);
    return count && sum > 0 ? 10 * std::log10(sum / static_cast<double>(count)) : -HUGE_VAL;
}

// The frames in [first, last) between the first and the last one that is not silent (above
// -60 dBFS): where a sound plays in a recording.
std::pair<qsizetype, qsizetype> Sounding(const QByteArray& pcm, qsizetype first, qsizetype last)
{
    qsizetype begin = -1, end = -1;
    for (qsizetype i = first * 2; i < last * 2; ++i)
        if (std::abs(Sample(pcm, i)) > 32)
            end = i / 2 + 1, begin = begin < 0 ? i / 2 : begin;
    return {begin, end};
}

} // namespace

// At the default slider the music plays within 6 dB of the effect of a placed piece, so that
// neither drowns the other; both are heard, and stopping the music leaves silence.
TEST(SoundServer, MusicAtTheDefaultSliderIsHeardInBalanceWithAnEffectUntilItStops)
{
    PrivateSoundServer server;
    if (!server.problem.isEmpty())
        GTEST_SKIP() << qPrintable(server.problem) << ": the sound path is not checked.";
    // Before anything touches Qt Multimedia, so that its device list is the private server's.
    qputenv("PULSE_SERVER", server.Address().toLocal8Bit());
    ASSERT_TRUE(audio::AudioAvailable()) << qPrintable(audio::NoAudioText());
    audio::TFormLecteurMP3 player;
    player.AjouteListeDeMusiques(ORVANTE_DATA_DIR "Musique/", "Jardin de pierre.mp3");
    player.SetVolume(audio::VolumeFromSlider(500));
    const auto after = [&server](int milliseconds) { // the frame reached after a wait
        QTest::qWait(milliseconds);
        return server.Frames();
    };
    const qsizetype musicStart = server.Frames();
    player.PlayCurrentTitle();
    const qsizetype musicEnd = after(6500);
    player.Stop();
    const qsizetype silenceEnd = after(1500);
    audio::SoundEffects effects;
    effects.SetSoundFolder(ORVANTE_DATA_DIR "sons/");
    const qsizetype effectStart = server.Frames();
    effects.JoueSon("Loud");
    const qsizetype effectEnd = after(1500);
    qunsetenv("PULSE_SERVER");
    const QByteArray& pcm = server.recorded;
    const qsizetype musicFrom = Sounding(pcm, musicStart, musicEnd).first;
    const auto [effectFrom, effectTo] = Sounding(pcm, effectStart, effectEnd);
    ASSERT_TRUE(musicFrom >= 0 && effectFrom >= 0) << "music or effect not heard";
    // From a second into the title, past its fade-in, to the stop.
    const double music = Level(pcm, musicFrom + Rate, musicEnd);
    const double effect = Level(pcm, effectFrom, effectTo);
    EXPECT_TRUE(music > -45.0 && effect > -45.0);
    EXPECT_LE(std::abs(music - effect), 6.0) << "music " << music << " dBFS, effect " << effect;
    // What was still on its way when the music stopped has passed after half a second.
    EXPECT_LT(Level(pcm, musicEnd + Rate / 2, silenceEnd), -80.0);
}
