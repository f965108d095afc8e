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
        calls << "open " + QFileInfo(path).fileName();
        openPath = path;
        playing = atEnd = false;
        length = -1;
        if (failAtOpen)
            ReportFailure();
    }
    void Play() override { calls << "play", playing = true; }
    void Pause() override { calls << "pause", playing = false; }
    void Close() override { calls << "close", openPath.clear(), playing = atEnd = false; }
    [[nodiscard]] qint64 Length() const override { return length; }
    [[nodiscard]] qint64 Position() const override { return 0; }
    void SetVolume(int v) override { calls << QString("volume %1").arg(v), volume = v; }
    [[nodiscard]] bool AtEnd() const override { return atEnd; }

    // What the back end does on its own, when a test says so.
    void ReportLength(qint64 milliseconds) { emit LengthKnown(length = milliseconds); }
    void ReportFailure() { emit Failed("cannot decode"); }

    QStringList calls;
    QString openPath;
    bool playing = false;
    bool atEnd = false; // the back end's end of media
    qint64 length = -1;
    int volume = -1;
    bool failAtOpen = false; // refuses every file as it opens it
};
