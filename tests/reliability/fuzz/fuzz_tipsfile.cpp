// The tips-file reader on any bytes: no crash, no sanitizer report, and the
// lines it returns hold no line end and account for the whole decoded text.
#include "tips/tipsfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = tips::decodeTipsText(bytes);
    const QStringList lines = tips::parseTips(bytes);
    qsizetype ends = 0;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r'))
            ++ends;
        else
            ++kept;
    }
    qsizetype inLines = 0;
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            std::abort();
        inLines += line.size();
    }
    // Every character that is not a line end is in exactly one line, and there
    // are never more lines than line ends plus one.
    if (inLines != kept || lines.size() > ends + 1)
        std::abort();
    return 0;
}
