// Fuzz target: any bytes as a scores or saved-games file: reading its lines, then the load list
// built from them and the deletion of a line, which must leave every other line as it was.
#include "control/GameFiles.h"

#include <cstdint>
#include <cstdlib>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "records-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Save.frd"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const QStringList lines = control::ReadRecordLines(path);
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            std::abort();
    }
    if (lines.isEmpty())
        return 0;
    const int index = static_cast<int>(size % static_cast<std::size_t>(lines.size()));
    if (!control::DeleteRecordLine(path, index))
        std::abort();
    QStringList expected = lines;
    expected.removeAt(index);
    if (control::ReadRecordLines(path) != expected)
        std::abort();
    return 0;
}
