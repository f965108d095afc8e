// Text files as lines, each decoded by itself.
#include "common/TextLines.h"

#include <array>

#include <QStringDecoder>

namespace common {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned codes map to
// themselves, as the system's own conversion does.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80])
                                                : QChar(byte));
    }
    return text;
}

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

} // namespace

QString DecodeLine(QByteArrayView bytes)
{
    // A byte order mark inside a file is a character like any other: only the file's start has
    // one to drop, which DecodeLines does before any line is decoded.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

QStringList DecodeLines(const QByteArray& bytes)
{
    QByteArrayView rest(bytes);
    while (rest.startsWith(ByteOrderMark))
        rest = rest.sliced(ByteOrderMark.size());
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(DecodeLine(rest.sliced(start, i - start)));
        if (c == '\r' && i + 1 < rest.size() && rest[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < rest.size())
        lines.append(DecodeLine(rest.sliced(start)));
    return lines;
}

QByteArray EncodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace common
