// Fuzz target: any bytes as a language file: decoding each line, line splitting, every line
// lookup, and lines written back as UTF-8 that read back unchanged.
#include "Checks.h"
#include "common/TextLines.h"
#include "presentation/Texts.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = common::DecodeLines(bytes);
    Require(common::DecodeLines(common::EncodeLines(lines)) == lines);
    // A line's text never depends on the lines around it.
    const qsizetype firstEnd = bytes.indexOf('\n');
    const QByteArray tail = bytes.mid(firstEnd + 1);
    if (!lines.isEmpty() && firstEnd >= 0 && !bytes.left(firstEnd).contains('\r')
        && !tail.startsWith("\xEF\xBB\xBF"))
        Require(common::DecodeLines(tail) == lines.mid(1));
    for (const QString& line : lines) {
        Require(!line.contains(u'\n') && !line.contains(u'\r'));
        Require(presentation::LineText(line).size() <= line.size());
    }
    presentation::LanguageTexts texts;
    texts.Load(lines);
    for (int n = -2; n < texts.Count() + 2; ++n)
        Require(texts.Line(n).has_value() == (n >= 0 && n < texts.Count()));
    return 0;
}
