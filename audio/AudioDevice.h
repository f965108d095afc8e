// The small media device the music player and the sound effects drive: one file at a time.
#pragma once

#include <QObject>
#include <QString>

namespace audio {

// One audio file at a time, with positions and lengths in milliseconds. The real device plays
// through Qt Multimedia; tests drive the player's logic with a fake one.
class AudioDevice : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Closes whatever is open and opens path, ready to play from its beginning. Whether the file
    // can be played is known later: Failed or LengthKnown follows.
    virtual void Open(const QString& path) = 0;
    // Starts the open file, or resumes it where Pause held it.
    virtual void Play() = 0;
    virtual void Pause() = 0;
    // Stops and forgets the open file; harmless when nothing is open.
    virtual void Close() = 0;
    // The open file's length, or -1 until the back end has reported it.
    [[nodiscard]] virtual qint64 Length() const = 0;
    [[nodiscard]] virtual qint64 Position() const = 0;
    // 0 is silent, 1000 full; kept across Open and Close.
    virtual void SetVolume(int volume) = 0;
    // True once the open file has played to its end, until the next Open or Close.
    [[nodiscard]] virtual bool AtEnd() const = 0;

signals:
    // The open file's length, sent once per Open as soon as the back end knows it.
    void LengthKnown(qint64 milliseconds);
    // The open file cannot be played; sent at most once per Open, however many errors follow.
    void Failed(const QString& reason);
};

} // namespace audio
