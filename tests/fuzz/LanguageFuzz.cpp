// Fuzz target: any bytes as a language file: decoding, line splitting and every line lookup.
#include "presentation/Texts.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = presentation::DecodeText(bytes);
    const QStringList lines = presentation::SplitLines(text);
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            std::abort();
        const QString rest = presentation::LineText(line);
        if (rest.size() > line.size())
            std::abort();
    }
    presentation::LanguageTexts texts;
    texts.Load(lines);
    for (int n = -2; n < texts.Count() + 2; ++n) {
        const auto value = texts.Line(n);
        if (value.has_value() != (n >= 0 && n < texts.Count()))
            std::abort();
    }
    return 0;
}
