#include "presetname.h"

namespace PresetName {

QChar character(int code)
{
    // A byte the rename stored as the unit's signed char comes back to 128 to 255.
    if (code < 0 && code >= -128)
        code += 256;
    if (code <= 32)
        return QLatin1Char(' ');
    if (code < 127 || (code >= 160 && code <= 255))
        return QChar(code);
    return QLatin1Char('~');
}

QString fromCodes(const int* codes, int count)
{
    QString name;
    for (int k = 0; codes != nullptr && k < count; ++k)
        name += character(codes[k]);
    return name.trimmed();
}

} // namespace PresetName
