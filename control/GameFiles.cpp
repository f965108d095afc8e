// The player's scores and saved-games files: where they live, reading, appending, deleting lines.
#include "control/GameFiles.h"

#include "presentation/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace control {

namespace {

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void Fail(const QString& message)
{
    throw GameFileError(message.toStdString());
}

bool Usable(const QString& folder)
{
    return !folder.isEmpty() && !QDir(folder).isRoot();
}

QString SafeFolderName(const QString& name)
{
    QString safe;
    for (const QChar c : name)
        safe += (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) ? QChar(u'_') : c;
    safe = safe.trimmed();
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        return QStringLiteral("Orvante");
    return safe;
}

} // namespace

QString GameDataFolderIn(const QString& documents, const QString& home, const QString& name)
{
    QString base = documents;
    if (!Usable(base))
        base = home;
    if (!Usable(base))
        Fail(QStringLiteral("There is no documents folder or home folder to keep the scores and "
                            "saved games in."));
    return QDir::cleanPath(base + u'/' + SafeFolderName(name));
}

QString GameDataFolder(const QString& name)
{
    return GameDataFolderIn(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                            QDir::homePath(), name);
}

QString ScoresFilePath(const QString& gameFolder)
{
    return presentation::ResolvePath(gameFolder, QStringLiteral("Scores/Scores.frd"));
}

QString SavedGamesFilePath(const QString& gameFolder)
{
    return presentation::ResolvePath(gameFolder, QStringLiteral("Parties/Save.frd"));
}

QString ListFilePath(const QString& gameFolder, const QString& kind)
{
    if (kind == QLatin1String("scores"))
        return ScoresFilePath(gameFolder);
    if (kind == QLatin1String("charge"))
        return SavedGamesFilePath(gameFolder);
    return {};
}

QStringList ReadRecordLines(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("Could not read %1: %2.").arg(Native(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Fail(QStringLiteral("Could not read %1: %2.").arg(Native(path), file.errorString()));
    QString text = presentation::DecodeText(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return presentation::SplitLines(text);
}

void WriteRecordLines(const QString& path, const QStringList& lines)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        Fail(QStringLiteral("Could not create the folder %1.").arg(Native(folder)));
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    const auto failed = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail(QStringLiteral("Could not write %1: %2. The file keeps its previous contents.")
                 .arg(Native(path), reason));
    };
    // Unbuffered: a buffered write fails only in the flush inside commit(), which Qt 6.4 does not
    // count as a failure, so a full disk would rename a cut file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        failed();
    if (file.write(bytes) != bytes.size() || !file.flush())
        failed();
    if (!file.commit())
        failed();
}

void AppendRecordLine(const QString& path, const QString& line)
{
    QStringList lines = ReadRecordLines(path);
    lines.append(line);
    WriteRecordLines(path, lines);
}

bool DeleteRecordLine(const QString& path, int index)
{
    QStringList lines = ReadRecordLines(path);
    if (index < 0 || index >= lines.size())
        return false;
    lines.removeAt(index);
    WriteRecordLines(path, lines);
    return true;
}

QString ScoreDateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy - hh:mm:ss"));
}

QString SaveDateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy-hh:mm:ss"));
}

QString AppendScore(const QString& gameFolder,
                    double elapsedSeconds,
                    const ScoreWords& words,
                    const QString& playerName,
                    const QDateTime& when)
{
    const QString line = QString::fromStdString(ScoreLine(
        elapsedSeconds, words, playerName.toStdString(), ScoreDateText(when).toStdString()));
    AppendRecordLine(ScoresFilePath(gameFolder), line);
    return line;
}

QStringList ScoreList(const QString& gameFolder)
{
    return ReadRecordLines(ScoresFilePath(gameFolder));
}

QString SaveGame(const QString& gameFolder,
                 const engine::Board& board,
                 bool paused,
                 double elapsedSeconds,
                 const QDateTime& when)
{
    const std::string text
        = SavedGameLine(SaveDateText(when).toStdString(), PlayersGrid(board, paused),
                        board.SolutionGrid, elapsedSeconds);
    // The same check a load makes: a game that could not be loaded back is not written.
    try {
        (void)ParseSavedGame(text);
    } catch (const SavedGameError&) {
        Fail(QStringLiteral("There is no game to save: the board holds no complete, valid "
                            "solution."));
    }
    const QString line = QString::fromStdString(text);
    AppendRecordLine(SavedGamesFilePath(gameFolder), line);
    return line;
}

QStringList LoadListEntries(const QString& gameFolder, const QString& label)
{
    const std::string labelText = label.toStdString();
    QStringList entries;
    for (const QString& line : ReadRecordLines(SavedGamesFilePath(gameFolder)))
        entries.append(QString::fromStdString(LoadListEntry(labelText, line.toStdString())));
    return entries;
}

SavedGame ChosenSavedGame(const QString& gameFolder, int index)
{
    // Read again: lines may have been deleted from the list while it was shown.
    const QStringList lines = ReadRecordLines(SavedGamesFilePath(gameFolder));
    if (index < 0 || index >= lines.size())
        Fail(QStringLiteral("The chosen saved game is no longer in %1.")
                 .arg(Native(SavedGamesFilePath(gameFolder))));
    return ParseSavedGame(lines.at(index).toStdString());
}

double LoadSavedGame(const QString& gameFolder, int index, engine::Board& board)
{
    const SavedGame game = ChosenSavedGame(gameFolder, index);
    RestoreSavedGame(board, game);
    return game.elapsedSeconds;
}

bool DeleteListLine(const QString& gameFolder, const QString& kind, int index)
{
    const QString path = ListFilePath(gameFolder, kind);
    if (path.isEmpty())
        return false;
    return DeleteRecordLine(path, index);
}

} // namespace control
