// A stand-in for the audio device: it records what it is told and plays only when a test says so.
#pragma once

#include "audio/AudioDevice.h"

#include <QFileInfo>
#include <QStringList>

class FakeDevice final : public audio::AudioDevice
{
    Q_OBJECT

public:
    void Open(const QString& path) override
    {
        calls << QStringLiteral("open ") + QFileInfo(path).fileName();
        openPath = path;
        playing = atEnd = false;
        position = 0;
        length = lengthAtOpen;
        if (failAtOpen)
            ReportFailure();
    }
    void Play() override { calls << QStringLiteral("play"), playing = true; }
    void Pause() override { calls << QStringLiteral("pause"), playing = false; }
    void Close() override
    {
        calls << QStringLiteral("close");
        openPath.clear();
        playing = atEnd = false;
        length = -1;
    }
    [[nodiscard]] qint64 Length() const override { return length; }
    [[nodiscard]] qint64 Position() const override { return position; }
    void SetVolume(int v) override { calls << QStringLiteral("volume %1").arg(v), volume = v; }
    [[nodiscard]] bool AtEnd() const override { return atEnd; }

    // What the back end does on its own, when a test says so.
    void ReportLength(qint64 milliseconds) { emit LengthKnown(length = milliseconds); }
    void ReportFailure() { emit Failed(QStringLiteral("cannot decode")); }
    void Advance(qint64 milliseconds) { position += playing ? milliseconds : 0; }
    // Ends the title as the real back end does: its position a little short of its length.
    void PlayToEnd()
    {
        position = length - 4;
        playing = false;
        atEnd = true;
    }

    QStringList calls;
    QString openPath;
    bool playing = false;
    qint64 length = -1;
    qint64 position = 0;
    int volume = -1;
    bool atEnd = false;
    qint64 lengthAtOpen = -1; // a length the device knows as soon as it opens a file
    bool failAtOpen = false;
};
