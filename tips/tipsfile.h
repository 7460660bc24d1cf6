// Reading the tips file: one tip per line, without a window, so that tests
// and a fuzzer can feed it any bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tips {

// The name of the tips file, in the program's own folder.
inline const QString kTipsFileName = QStringLiteral("TIPOFDAY.TXT");

// Turns the file's bytes into text. A byte-order mark means UTF-8; otherwise
// bytes that form valid UTF-8 are read as UTF-8 (a file written on a Linux
// desktop), and anything else as Windows-1252, the code page of Windows
// Notepad under a French desktop.
QString decodeTipsText(const QByteArray& bytes);

// Cuts the text into lines. CR LF, a bare LF and a bare CR each end a line;
// the last line counts whether or not it is ended, and an end at the very end
// of the text makes no extra line. An empty text has no line.
QStringList splitTipLines(const QString& text);

// decodeTipsText then splitTipLines.
QStringList parseTips(const QByteArray& bytes);

// The tips of the file at path, or nothing when the path is empty, names no
// file, or names one that cannot be read (a folder, a file without read
// permission, a read error).
std::optional<QStringList> readTipsFile(const QString& path);

} // namespace tips
