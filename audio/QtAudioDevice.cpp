// The real audio device: Qt Multimedia on its GStreamer back end.
#include "audio/QtAudioDevice.h"

#include "audio/MusicList.h"

#include <algorithm>

#include <QAudioOutput>
#include <QMediaFormat>
#include <QUrl>

namespace audio {

namespace {

float OutputVolume(int volume)
{
    return static_cast<float>(OutputLevel(volume));
}

} // namespace

bool AudioAvailable()
{
    static const bool available = [] {
        // Qt reads the back end's name once, when Multimedia is first used. The FFmpeg back end
        // crashes on a machine without an audio device, so only GStreamer will do.
        if (qgetenv("QT_MEDIA_BACKEND") != "gstreamer")
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
        const QList<QMediaFormat::AudioCodec> codecs
            = QMediaFormat().supportedAudioCodecs(QMediaFormat::Decode);
        return codecs.contains(QMediaFormat::AudioCodec::MP3)
            && codecs.contains(QMediaFormat::AudioCodec::Wave);
    }();
    return available;
}

QString NoAudioText()
{
    return QStringLiteral("Musique et sons coupés : aucun décodeur MP3 sur cette machine "
                          "(paquets gstreamer1.0-plugins-base et gstreamer1.0-plugins-good).");
}

std::unique_ptr<AudioDevice> MakeAudioDevice()
{
    if (!AudioAvailable())
        return nullptr;
    return std::make_unique<QtAudioDevice>();
}

QtAudioDevice::QtAudioDevice() = default;

QtAudioDevice::~QtAudioDevice()
{
    Close();
}

void QtAudioDevice::Open(const QString& path)
{
    Close();
    m_player = new QMediaPlayer(this);
    auto* output = new QAudioOutput(m_player);
    output->setVolume(OutputVolume(m_volume));
    m_player->setAudioOutput(output);
    connect(m_player, &QMediaPlayer::durationChanged, this, &QtAudioDevice::DurationChanged);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &QtAudioDevice::MediaStatusChanged);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& reason) { ReportFailure(reason); });
    m_player->setSource(QUrl::fromLocalFile(path));
}

void QtAudioDevice::Play()
{
    if (m_player)
        m_player->play();
}

void QtAudioDevice::Pause()
{
    if (m_player)
        m_player->pause();
}

void QtAudioDevice::Close()
{
    m_length = -1;
    m_failed = false;
    if (!m_player)
        return;
    // Close may run inside one of the player's own signals: it is silenced now, deleted later.
    disconnect(m_player, nullptr, this, nullptr);
    m_player->stop();
    m_player->deleteLater();
    m_player = nullptr;
}

qint64 QtAudioDevice::Position() const
{
    return m_player ? m_player->position() : 0;
}

void QtAudioDevice::SetVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 1000);
    if (m_player && m_player->audioOutput())
        m_player->audioOutput()->setVolume(OutputVolume(m_volume));
}

bool QtAudioDevice::AtEnd() const
{
    return m_player && m_player->mediaStatus() == QMediaPlayer::EndOfMedia;
}

void QtAudioDevice::DurationChanged(qint64 duration)
{
    // GStreamer may refine its first estimate; the first value it gives is the length.
    if (duration <= 0 || m_length >= 0)
        return;
    m_length = duration;
    emit LengthKnown(m_length);
}

void QtAudioDevice::MediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::InvalidMedia) {
        ReportFailure(m_player->errorString());
    } else if (status == QMediaPlayer::EndOfMedia && m_length < 0) {
        // A file too short for the back end to give it a length still gets one.
        m_length = std::max<qint64>(m_player->duration(), 0);
        emit LengthKnown(m_length);
    }
}

void QtAudioDevice::ReportFailure(const QString& reason)
{
    // A broken file brings several errors in a row: the owner hears of it once.
    if (m_failed)
        return;
    m_failed = true;
    emit Failed(reason);
}

} // namespace audio
