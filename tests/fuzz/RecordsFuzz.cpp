// Fuzz target: any bytes as a scores or saved-games file: reading its lines, then deleting one,
// by its text, which must leave every other line's text as it was read.
#include "Checks.h"
#include "control/GameFiles.h"

#include <cstdint>

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Save.frd"));
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) >= 0);
    file.close();
    QStringList lines = control::ReadRecordLines(path);
    if (lines.isEmpty())
        return 0;
    const int index = static_cast<int>(size % static_cast<std::size_t>(lines.size()));
    const QString chosen = lines.at(index);
    lines.removeAt(lines.indexOf(chosen)); // the first equal line is the one that goes
    Require(control::DeleteRecordLine(path, chosen) && control::ReadRecordLines(path) == lines);
    return 0;
}
