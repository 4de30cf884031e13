#include "presetlabel.h"

namespace PresetLabel {
namespace {
// Factory presets are numbered from 101 by the unit; user presets from 1.
constexpr int kFactoryBase = 100;
} // namespace

QString label(int presetNumber)
{
    if (presetNumber <= 0)
        return QString();
    const bool bFactory = presetNumber > kFactoryBase;
    const int slot = bFactory ? presetNumber - kFactoryBase : presetNumber;
    return QLatin1Char(bFactory ? 'F' : 'U') + QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
}

int number(const QString& text, int presetCount)
{
    if (text.size() < 2 || text.size() > 5)
        return -1;
    const QChar bank = text.at(0).toUpper();
    if (bank != QLatin1Char('U') && bank != QLatin1Char('F'))
        return -1;
    for (int i = 1; i < text.size(); ++i)
        if (!text.at(i).isDigit() || text.at(i).unicode() > 0x7f)
            return -1;
    const int slot = text.midRef(1).toInt();
    if (slot < 1 || slot > presetCount || presetCount > kFactoryBase)
        return -1;
    return bank == QLatin1Char('F') ? kFactoryBase + slot : slot;
}

QString entryText(int presetNumber, const QString& name)
{
    return label(presetNumber) + QLatin1Char('\n') + name;
}

int setListIndex(const QString& text)
{
    const QString lower = text.toLower();
    if (lower == QLatin1String("favourites") || lower == QLatin1String("favorites") || lower == QLatin1String("*"))
        return 0;
    if (lower.size() == 1 && lower.at(0) >= QLatin1Char('a') && lower.at(0) <= QLatin1Char('d'))
        return lower.at(0).unicode() - 'a' + 1;
    return -1;
}

QString setListName(int index)
{
    if (index == 0)
        return QStringLiteral("favourites");
    if (index >= 1 && index <= 4)
        return QString(QLatin1Char(static_cast<char>('A' + index - 1)));
    return QString();
}
} // namespace PresetLabel
