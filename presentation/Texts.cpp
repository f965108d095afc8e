// The language file and the other text files beside the program: reading, decoding, lookup.
#include "presentation/Texts.h"

#include "common/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace presentation {

std::optional<QStringList> ReadTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return common::DecodeLines(file.readAll());
}

QString LineText(const QString& line)
{
    return line.size() > 4 ? line.mid(4) : QString();
}

QString ResolvePath(const QString& base, const QString& relative)
{
    QString normalised = relative;
    normalised.replace(u'\\', u'/');
    const QStringList parts = normalised.split(u'/', Qt::SkipEmptyParts);
    QString path = base;
    if (!path.endsWith(u'/'))
        path.append(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        QString next = path + part;
        if (!QFileInfo::exists(next)) {
            const QStringList entries
                = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    next = path + entry;
                    break;
                }
            }
        }
        path = next;
        if (i + 1 < parts.size())
            path.append(u'/');
    }
    return path;
}

QString ProgramFolder(const QString& folder)
{
    QString path = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    if (!path.endsWith(u'/'))
        path.append(u'/');
    return path;
}

QString MissingPictureMessage(const QString& path)
{
    return QStringLiteral("Image manquante ou illisible :\n") + path;
}

QString MissingLineMessage(int n)
{
    return QStringLiteral("Erreur - Appel à du texte avant son chargement : ligne ")
        + QString::number(n);
}

LanguageFile ReadLanguageFile(const QString& path)
{
    auto lines = ReadTextLines(path);
    if (!lines)
        return {{}, QStringLiteral("Fichier de langue introuvable :\n") + path};
    if (lines->size() < LanguageLineCount)
        return {{},
                QStringLiteral("Fichier de langue incomplet :\n%1\nIl a %2 lignes, le jeu en "
                               "utilise %3.")
                    .arg(path)
                    .arg(lines->size())
                    .arg(LanguageLineCount)};
    return {std::move(*lines), {}};
}

std::optional<QString> LanguageTexts::Line(int n) const
{
    if (!m_loaded || n < 0 || n >= m_lines.size())
        return std::nullopt;
    return LineText(m_lines.at(n));
}

} // namespace presentation
