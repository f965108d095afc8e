// The language file and the other text files beside the program: reading, decoding, lookup.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace presentation {

// The whole file as lines, each UTF-8 or else Windows-1252 (common::DecodeLines), or nothing
// when it cannot be opened.
[[nodiscard]] std::optional<QStringList> ReadTextLines(const QString& path);

// The text of a language line: everything after its four-character prefix, empty when the line
// has four characters or fewer.
[[nodiscard]] QString LineText(const QString& line);

// base + relative, relative written with "/" or "\" separators. A component that does not exist
// as written is matched without regard to letter case, so "textes/regles.txt" finds
// "Textes/regles.txt". When nothing matches, the path as written is returned.
[[nodiscard]] QString ResolvePath(const QString& base, const QString& relative);

// The program's folder with its trailing "/": folder when not empty, else the executable's.
[[nodiscard]] QString ProgramFolder(const QString& folder);

// The error box text of a picture file that is missing or unreadable.
[[nodiscard]] QString MissingPictureMessage(const QString& path);

// The error box text of a language line asked for before loading or beyond the file.
[[nodiscard]] QString MissingLineMessage(int n);

// The lines a language file must have: the game uses lines 0..72. A shorter file is a broken
// installation, like a missing one.
inline constexpr int LanguageLineCount = 73;

// The language file's lines, or the text of the error box that says what is wrong with the file:
// missing, or shorter than LanguageLineCount lines.
struct LanguageFile
{
    QStringList lines;
    QString problem; // empty when the lines are there
};
[[nodiscard]] LanguageFile ReadLanguageFile(const QString& path);

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
