#include "tipsfile.h"

#include <QFile>
#include <QFileInfo>

namespace tips {
namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes that the code page leaves
// undefined keep the control character of the same number, as Windows does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        // Every other byte has the code point of the same number.
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

} // namespace

QString decodeTipsText(const QByteArray& bytes)
{
    static const QByteArray bom("\xEF\xBB\xBF", 3);
    if (bytes.startsWith(bom))
        return QString::fromUtf8(bytes.constData() + bom.size(), bytes.size() - bom.size());
    // A sequence cut off at the end of the file is not valid either.
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    return fromWindows1252(bytes);
}

QStringList splitTipLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i; // CR LF is one line end
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start)); // the last line, without an end
    return lines;
}

QStringList parseTips(const QByteArray& bytes) { return splitTipLines(decodeTipsText(bytes)); }

std::optional<QStringList> readTipsFile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return std::nullopt;
    QFile file(path);
    // A folder opens but reads nothing; it is no tips file.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    file.close();
    return parseTips(bytes);
}

} // namespace tips
