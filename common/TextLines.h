// Text files as lines: each line decoded by itself, UTF-8 when it is valid UTF-8, else
// Windows-1252, so one line in the other encoding never changes how the rest of a file reads.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace common {

// One line's bytes, without its ending: UTF-8 when valid, otherwise Windows-1252.
[[nodiscard]] QString DecodeLine(QByteArrayView bytes);

// The file's lines. Byte order marks at the very start are dropped before anything is decoded;
// lines end with CR LF, LF or CR (which never occur inside a UTF-8 or Windows-1252 character);
// a last line without an ending counts, an empty tail does not.
[[nodiscard]] QStringList DecodeLines(const QByteArray& bytes);

// The lines as a file keeps them: UTF-8, each ended by CR LF. DecodeLines gives them back
// unchanged, unless the first starts with a byte order mark.
[[nodiscard]] QByteArray EncodeLines(const QStringList& lines);

} // namespace common
