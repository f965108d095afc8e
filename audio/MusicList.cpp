// The music list and the conversions between the music controls and the music player.
#include "audio/MusicList.h"

#include <algorithm>
#include <cmath>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace audio {

MusicList ListMusicFolder(const QString& folder, const QString& title)
{
    MusicList list;
    list.folder = folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder
                                                                        : folder + QLatin1Char('/');
    const QDir dir(folder);
    // Name filters match regardless of case, as "*.mp3" does on the player's usual systems.
    list.titles
        = dir.entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (!title.isEmpty() && QFileInfo(dir.filePath(title)).isFile())
        list.current = title;
    else if (!list.titles.isEmpty())
        list.current = list.titles.front();
    return list;
}

QString TitlePath(const MusicList& list, const QString& title)
{
    return QDir(list.folder).filePath(title);
}

QString TypedTitle(const QString& text)
{
    return text.left(TypedTitleLimit);
}

ImportedFile SplitImportedPath(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo file(path);
    return {file.absolutePath() + QLatin1Char('/'), file.fileName()};
}

namespace {

// The patterns of a "*.a;*.b" list, or of a "*.a *.b" list, in their order.
QStringList Patterns(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

bool SamePatterns(const QStringList& a, const QStringList& b)
{
    return QSet<QString>(a.begin(), a.end()) == QSet<QString>(b.begin(), b.end());
}

} // namespace

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    // A description without its patterns (an odd last part) cannot filter anything: dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QStringList patterns = Patterns(parts[i + 1]);
        const QString wanted = patterns.join(QLatin1Char(' '));
        // Qt reads the patterns from the last brackets of an entry: if the description already
        // shows exactly these patterns there, repeating them would only clutter the dialog.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (description.endsWith(QLatin1Char(')')) && open >= 0
            && SamePatterns(Patterns(description.mid(open + 1, description.size() - open - 2)),
                            patterns)) {
            entries.append(description);
        } else {
            entries.append((description.isEmpty() ? wanted : description + QLatin1Char(' '))
                           + QLatin1Char('(') + wanted + QLatin1Char(')'));
        }
    }
    return entries.join(QStringLiteral(";;"));
}

QString ImportFilter()
{
    return QtFileFilter(QStringLiteral("Musiques MP3 (*.mp3)|*.mp3"));
}

int VolumeFromSlider(int position)
{
    return 1000 - std::clamp(position, 0, 1000);
}

double OutputLevel(int volume)
{
    return std::pow(std::clamp(volume, 0, 1000) / 1000.0, 5.0 / 3.0);
}

} // namespace audio
