// The music player: one MP3 title at a time, a random title after each, a scrolling title.
#include "audio/mp3.h"

#include "audio/QtAudioDevice.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace audio {

QString LengthText(qint64 milliseconds)
{
    qint64 seconds = milliseconds / 1000;
    const qint64 rest = milliseconds % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 == 1))
        ++seconds;
    const auto twoDigits
        = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return twoDigits(seconds / 60) + QLatin1Char(':') + twoDigits(seconds % 60);
}

QString ScrollText(const QString& title, qint64 milliseconds)
{
    return title + QStringLiteral("  (") + LengthText(milliseconds) + QStringLiteral(")  **  ");
}

QString ScrollWindow(const QString& text, int p)
{
    const qsizetype n = text.size();
    if (n == 0)
        return {};
    const qsizetype start = p % n;
    return (text.mid(start) + text.left(start)).left(ScrollWidth);
}

TFormLecteurMP3::TFormLecteurMP3(QObject* parent)
    : TFormLecteurMP3(MakeAudioDevice(), parent)
{}

TFormLecteurMP3::TFormLecteurMP3(std::unique_ptr<AudioDevice> device, QObject* parent)
    : QObject(parent)
    , m_device(std::move(device))
    , m_randomIndex([](int n) { return static_cast<int>(QRandomGenerator::global()->bounded(n)); })
{
    TimerMP3.setInterval(1000);
    connect(&TimerMP3, &QTimer::timeout, this, &TFormLecteurMP3::TimerMP3Timer);
    TimerDefilement.setInterval(200);
    connect(&TimerDefilement, &QTimer::timeout, this, &TFormLecteurMP3::TimerDefilementTimer);
    TimerDefilement.start();
    if (m_device) {
        connect(m_device.get(), &AudioDevice::LengthKnown, this, &TFormLecteurMP3::LengthKnown);
        connect(m_device.get(), &AudioDevice::Failed, this, &TFormLecteurMP3::DeviceFailed);
        m_device->SetVolume(m_volume);
    }
}

void TFormLecteurMP3::AjouteListeDeMusiques(const QString& folder, const QString& title)
{
    CanSound();
    m_list = ListMusicFolder(folder, title);
    emit TitlesChanged(m_list.titles, m_list.current);
    if (!QFileInfo(folder).isDir())
        emit StatusMessage(QStringLiteral("Dossier de musique introuvable : ")
                           + QDir::toNativeSeparators(folder));
}

void TFormLecteurMP3::ChooseTitle(const QString& title)
{
    m_list.current = title;
    PlayCurrentTitle();
}

void TFormLecteurMP3::ImportFile(const QString& path)
{
    const ImportedFile file = SplitImportedPath(path);
    if (file.title.isEmpty())
        return;
    AjouteListeDeMusiques(file.folder, file.title);
    if (!m_paused)
        PlayCurrentTitle();
}

void TFormLecteurMP3::PlayCurrentTitle()
{
    const QString title = m_list.current;
    if (title.isEmpty() || !QFileInfo(TitlePath(m_list, title)).isFile())
        return;
    if (!CanSound())
        return;
    m_paused = false;
    m_scrollText.clear();
    m_scrollPosition = 0;
    ShowText(QString());
    // Active before the device opens: a device that fails at once finds the title to stop.
    TimerMP3.start();
    m_openTitle = title;
    m_device->Open(TitlePath(m_list, title));
    if (!Active())
        return;
    // A new title starts at the slider's volume, not at the back end's full default.
    m_device->SetVolume(m_volume);
    m_device->Play();
    if (Active() && m_scrollText.isEmpty() && m_device->Length() >= 0)
        LengthKnown(m_device->Length());
}

void TFormLecteurMP3::Play()
{
    if (m_paused)
        Pause();
    else
        PlayCurrentTitle();
}

void TFormLecteurMP3::Pause()
{
    // While active the flag tells the device's state: set exactly while the title is paused.
    if (Active()) {
        if (m_paused)
            m_device->Play();
        else
            m_device->Pause();
    }
    m_paused = !m_paused;
}

void TFormLecteurMP3::Stop()
{
    if (!Active())
        return;
    m_device->Close();
    TimerMP3.stop();
    m_openTitle.clear();
    m_scrollText.clear();
    m_scrollPosition = 0;
    ShowText(QString());
}

void TFormLecteurMP3::SetVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 1000);
    if (m_device)
        m_device->SetVolume(m_volume);
}

void TFormLecteurMP3::SetRandomIndex(std::function<int(int n)> randomIndex)
{
    m_randomIndex = std::move(randomIndex);
}

void TFormLecteurMP3::TimerMP3Timer()
{
    // The back end's end-of-media status, not the position: a finished title's position stops a
    // few milliseconds short of its length.
    if (!Active() || !m_device->AtEnd())
        return;
    if (m_list.titles.isEmpty()) {
        Stop();
        return;
    }
    const int n = static_cast<int>(m_list.titles.size());
    const int index = std::clamp(m_randomIndex(n), 0, n - 1);
    m_list.current = m_list.titles[index];
    emit CurrentTitleChanged(m_list.current);
    PlayCurrentTitle();
    // The drawn title's file is gone: stop rather than draw again on every tick.
    if (m_device->AtEnd())
        Stop();
}

void TFormLecteurMP3::TimerDefilementTimer()
{
    if (!Active() || m_scrollText.isEmpty())
        return;
    const int n = static_cast<int>(m_scrollText.size());
    const int p = m_scrollPosition;
    const QString shown = ScrollWindow(m_scrollText, p);
    // The text that starts with the title shows at n and again at 0: it stays two ticks.
    m_scrollPosition = p == n ? 0 : p + 1;
    ShowText(shown);
}

void TFormLecteurMP3::LengthKnown(qint64 milliseconds)
{
    // Built once per title: a later estimate from the back end does not restart the scroll.
    if (!Active() || !m_scrollText.isEmpty())
        return;
    m_scrollText = ScrollText(m_openTitle, milliseconds);
    m_scrollPosition = 0;
}

void TFormLecteurMP3::DeviceFailed()
{
    if (!Active())
        return;
    const QString title = m_openTitle;
    Stop();
    emit StatusMessage(QStringLiteral("Impossible de jouer la musique « %1 ».").arg(title));
}

void TFormLecteurMP3::ShowText(const QString& text)
{
    if (text == m_shown)
        return;
    m_shown = text;
    emit ScrollTextShown(m_shown);
}

bool TFormLecteurMP3::CanSound()
{
    if (m_device)
        return true;
    if (!m_noAudioTold) {
        m_noAudioTold = true;
        emit StatusMessage(NoAudioText());
    }
    return false;
}

} // namespace audio
