// The player's scores and saved-games files: where they live, reading, appending, deleting lines.
#include "control/GameFiles.h"

#include "common/TextLines.h"
#include "presentation/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
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

// Why a file could not be read or written, in the player's language (the system's own text is
// English).
QString Reason(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::ReadError:
        return QStringLiteral("erreur de lecture");
    case QFileDevice::WriteError:
        return QStringLiteral("erreur d'écriture");
    case QFileDevice::ResourceError:
        return QStringLiteral("disque plein ou ressources épuisées");
    case QFileDevice::PermissionsError:
        return QStringLiteral("accès refusé");
    case QFileDevice::OpenError:
        return QStringLiteral("ouverture impossible");
    default:
        return QStringLiteral("erreur du système de fichiers");
    }
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
        Fail(QStringLiteral("Il n'y a ni dossier Documents ni dossier personnel où garder les "
                            "scores et les parties enregistrées."));
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
        Fail(QStringLiteral("Impossible de lire %1 : %2.").arg(Native(path), Reason(file.error())));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Fail(QStringLiteral("Impossible de lire %1 : %2.").arg(Native(path), Reason(file.error())));
    return common::DecodeLines(bytes);
}

void WriteRecordLines(const QString& path, const QStringList& lines)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        Fail(QStringLiteral("Impossible de créer le dossier %1.").arg(Native(folder)));
    const QByteArray bytes = common::EncodeLines(lines);
    QSaveFile file(path);
    const auto failed = [&] {
        const QString reason = Reason(file.error());
        file.cancelWriting();
        Fail(QStringLiteral("Impossible d'écrire %1 : %2. Le fichier garde son contenu précédent.")
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

void RemoveWriteLeftovers(const QString& path)
{
    const QFileInfo info(path);
    // QSaveFile's named temporary file: the file's name, ".", six ASCII letters.
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(info.fileName())));
    QDir folder = info.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch())
            folder.remove(name);
    }
}

bool UpdateRecordLines(const QString& path, const std::function<bool(QStringList&)>& change)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        Fail(QStringLiteral("Impossible de créer le dossier %1.").arg(Native(folder)));
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(LockStaleMilliseconds);
    if (!lock.tryLock(LockWaitMilliseconds)) {
        if (lock.error() != QLockFile::LockFailedError) {
            Fail(QStringLiteral("Impossible de créer le verrou %1. Rien n'a été enregistré.")
                     .arg(Native(path + QStringLiteral(".lock"))));
        }
        Fail(QStringLiteral("Le fichier %1 est utilisé par une autre copie du jeu. Rien n'a été "
                            "enregistré : réessayez dans un instant.")
                 .arg(Native(path)));
    }
    QStringList lines = ReadRecordLines(path);
    if (!change(lines))
        return false;
    WriteRecordLines(path, lines);
    RemoveWriteLeftovers(path);
    return true;
}

void AppendRecordLine(const QString& path, const QString& line)
{
    UpdateRecordLines(path, [&line](QStringList& lines) {
        lines.append(line);
        return true;
    });
}

bool DeleteRecordLine(const QString& path, const QString& line)
{
    if (!QFileInfo::exists(path))
        return false;
    return UpdateRecordLines(path, [&line](QStringList& lines) {
        const qsizetype index = lines.indexOf(line);
        if (index < 0)
            return false;
        lines.removeAt(index);
        return true;
    });
}

QString ListItemText(const QString& line)
{
    return line.size() <= ListItemLength ? line : line.left(ListItemLength - 1) + QChar(0x2026);
}

QString ScoreDateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy - hh:mm:ss"));
}

QString SaveDateText(const QDateTime& when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy-hh:mm:ss"));
}

ScoreWords ScoreWordsFrom(const LineLookup& text)
{
    return {text(line::Minutes).toStdString(), text(line::Seconds).toStdString(),
            text(line::ScoreLine).toStdString()};
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

QList<ListEntry> ScoreList(const QString& gameFolder)
{
    QList<ListEntry> entries;
    for (const QString& line : ReadRecordLines(ScoresFilePath(gameFolder)))
        entries.append({ListItemText(line), line});
    return entries;
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
    } catch (const SavedGameError& error) {
        Fail(QStringLiteral("La partie n'a pas été enregistrée : ")
             + QString::fromUtf8(error.what()));
    }
    const QString line = QString::fromStdString(text);
    AppendRecordLine(SavedGamesFilePath(gameFolder), line);
    return line;
}

QList<ListEntry> LoadListEntries(const QString& gameFolder, const QString& label)
{
    const std::string labelText = label.toStdString();
    QList<ListEntry> entries;
    for (const QString& line : ReadRecordLines(SavedGamesFilePath(gameFolder)))
        entries.append(
            {QString::fromStdString(LoadListEntry(labelText, line.toStdString())), line});
    return entries;
}

SavedGame ChosenSavedGame(const QString& gameFolder, const QString& line)
{
    // Read again: another copy of the game may have changed the file while the list was shown.
    if (!ReadRecordLines(SavedGamesFilePath(gameFolder)).contains(line))
        throw LineGoneError(LineGoneMessage.toStdString());
    return ParseSavedGame(line.toStdString());
}

double LoadSavedGame(const QString& gameFolder, const QString& line, engine::Board& board)
{
    const SavedGame game = ChosenSavedGame(gameFolder, line);
    RestoreSavedGame(board, game);
    return game.elapsedSeconds;
}

std::optional<double> LoadChosenGame(const QString& gameFolder,
                                     engine::Board& board,
                                     QString question,
                                     const LineChoice& choose,
                                     const std::function<void()>& refill)
{
    for (;;) {
        const std::optional<QString> line = choose(question);
        if (!line)
            return std::nullopt;
        try {
            return LoadSavedGame(gameFolder, *line, board);
        } catch (const LineGoneError&) {
            question = LineGoneMessage;
            refill();
        }
    }
}

QList<ListEntry> ListEntries(const QString& gameFolder, const QString& kind, const LineLookup& text)
{
    return kind == QLatin1String("scores")
        ? ScoreList(gameFolder)
        : LoadListEntries(gameFolder, text(line::SavedGameLabel));
}

bool DeleteListLine(const QString& gameFolder, const QString& kind, const QString& line)
{
    const QString path = ListFilePath(gameFolder, kind);
    if (path.isEmpty())
        return false;
    return DeleteRecordLine(path, line);
}

} // namespace control
