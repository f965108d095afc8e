// The language file and the other text files beside the program: reading, decoding, lookup.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace presentation {

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252 (the 8-bit form of the texts).
[[nodiscard]] QString DecodeText(const QByteArray& bytes);

// Lines ended by CR LF, LF or CR; a last line without an ending counts, an empty tail does not.
[[nodiscard]] QStringList SplitLines(const QString& text);

// The whole file as lines, or nothing when it cannot be opened.
[[nodiscard]] std::optional<QStringList> ReadTextLines(const QString& path);

// The text of a language line: everything after its four-character prefix, empty when the line
// has four characters or fewer.
[[nodiscard]] QString LineText(const QString& line);

// base + relative, relative written with "/" or "\" separators. A component that does not exist
// as written is matched without regard to letter case, so "textes/regles.txt" finds
// "Textes/regles.txt". When nothing matches, the path as written is returned.
[[nodiscard]] QString ResolvePath(const QString& base, const QString& relative);

// The error box text of a language line asked for before loading or beyond the file.
[[nodiscard]] QString MissingLineMessage(int n);

// The loaded language lines; line n is the file's line n, prefix included.
class LanguageTexts
{
public:
    void Load(QStringList lines)
    {
        m_lines = std::move(lines);
        m_loaded = true;
    }
    [[nodiscard]] bool Loaded() const { return m_loaded; }
    [[nodiscard]] int Count() const { return static_cast<int>(m_lines.size()); }
    // Nothing when the file is not loaded yet or n is not one of its lines.
    [[nodiscard]] std::optional<QString> Line(int n) const;

private:
    QStringList m_lines;
    bool m_loaded = false;
};

} // namespace presentation
