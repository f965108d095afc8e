// The language file and the other text files beside the program: reading, decoding, lookup.
#include "presentation/Texts.h"

#include <array>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace presentation {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned codes map to
// themselves, as the system's own conversion does.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            text.append(QChar(Windows1252High[byte - 0x80]));
        else
            text.append(QChar(byte));
    }
    return text;
}

} // namespace

QString DecodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    QString current;
    bool pending = false; // characters (or an ending) seen since the last line was closed
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = DecodeText(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return SplitLines(text);
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

QString MissingLineMessage(int n)
{
    return QStringLiteral("Erreur - Appel à du texte avant son chargement : ligne ")
        + QString::number(n);
}

std::optional<QString> LanguageTexts::Line(int n) const
{
    if (!m_loaded || n < 0 || n >= m_lines.size())
        return std::nullopt;
    return LineText(m_lines.at(n));
}

} // namespace presentation
