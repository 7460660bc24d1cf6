// CaptionValue on any text: no crash, no sanitizer report, never NaN, and
// blanks (spaces, tabs, line feeds) make no difference wherever they stand.
#include "exercise/score.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The bytes read as UTF-8, and the same bytes taken as UTF-16 code units
    // (lone surrogates included), so that every QChar value can occur.
    const QString texts[] = {
        QString::fromUtf8(bytes),
        QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2)),
    };
    for (const QString& text : texts) {
        const double value = CaptionValue(text);
        if (std::isnan(value))
            std::abort();
        QString bare = text;
        bare.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
        const double bareValue = CaptionValue(bare);
        if (!(bareValue == value))
            std::abort();
    }
    return 0;
}
