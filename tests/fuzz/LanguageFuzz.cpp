// Fuzz target: any bytes as a language file: decoding, line splitting and every line lookup.
#include "Checks.h"
#include "presentation/Texts.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = presentation::SplitLines(presentation::DecodeText(bytes));
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
