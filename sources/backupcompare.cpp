#include "backupcompare.h"

#include "backupimage.h"
#include "presetlabel.h"
#include "presetname.h"

#include <QStringList>

namespace BackUpCompare {

namespace {
constexpr int kSlots = 20; // entries of one set list

bool sameCodes(const int* a, const int* b, int count, int mask)
{
    for (int i = 0; i < count; ++i)
        if ((a[i] & mask) != (b[i] & mask))
            return false;
    return true;
}
} // namespace

QString key(Mark mark)
{
    switch (mark) {
    case Mark::Same:
        return QStringLiteral("same");
    case Mark::Settings:
        return QStringLiteral("settings");
    case Mark::Renamed:
        return QStringLiteral("renamed");
    case Mark::Changed:
        return QStringLiteral("changed");
    case Mark::Missing:
        break;
    }
    return QStringLiteral("missing");
}

bool sameName(const int* a, const int* b, int nameLength)
{
    return sameCodes(a, b, nameLength, 0xFF);
}

Mark presetMark(const int* a, const int* b, int nameLength, int paramCount)
{
    if (!sameName(a, b, nameLength))
        return Mark::Renamed;
    return sameCodes(a + nameLength, b + nameLength, paramCount, 0xFFFF) ? Mark::Same : Mark::Settings;
}

Mark setListMark(const QVector<int>& a, const QVector<int>& b, int index)
{
    if (a.size() < (index + 1) * kSlots || b.size() < (index + 1) * kSlots)
        return Mark::Missing;
    // A slot holds one byte on the unit.
    return sameCodes(a.constData() + index * kSlots, b.constData() + index * kSlots, kSlots, 0xFF) ? Mark::Same
                                                                                                   : Mark::Changed;
}

QString setListText(const QVector<int>& entries, int index)
{
    QStringList labels;
    for (int k = 0; k < kSlots; ++k) {
        const QString label = PresetLabel::label(entries.value(index * kSlots + k) & 0xFF);
        labels.append(label.isEmpty() ? QStringLiteral("-") : label);
    }
    while (!labels.isEmpty() && labels.constLast() == QLatin1String("-"))
        labels.removeLast();
    return labels.join(QLatin1Char(' '));
}

QList<Row> compare(const BackUpImage& a, const BackUpImage& b)
{
    QList<Row> rows;
    for (int i = 0; i < a.presetCount && i < b.presetCount; ++i) {
        const int* ra = a.record(i);
        const int* rb = b.record(i);
        rows.append({Kind::Preset, i + 1, PresetLabel::label(i + 1), presetMark(ra, rb, a.nameLength, a.paramCount),
                     PresetName::fromCodes(ra, a.nameLength).trimmed(),
                     PresetName::fromCodes(rb, b.nameLength).trimmed()});
    }
    if (a.hasSetLists || b.hasSetLists) {
        for (int index = 0; index < 5; ++index) {
            const QJsonValue left = a.hasSetLists ? QJsonValue(setListText(a.setLists, index)) : QJsonValue();
            const QJsonValue right = b.hasSetLists ? QJsonValue(setListText(b.setLists, index)) : QJsonValue();
            rows.append({Kind::SetList, index, PresetLabel::setListName(index),
                         setListMark(a.setLists, b.setLists, index), left, right});
        }
    }
    if (a.hasSysParams || b.hasSysParams) {
        const Mark mark = !a.hasSysParams || !b.hasSysParams         ? Mark::Missing
                          : a.sysParamValues() == b.sysParamValues() ? Mark::Same
                                                                     : Mark::Changed;
        // Only which side holds them is told: the values themselves are numbers no one reads in a row.
        const bool bOneSide = a.hasSysParams != b.hasSysParams;
        const QJsonValue held(QStringLiteral("held"));
        rows.append({Kind::SystemParameters, 0, QStringLiteral("system"), mark,
                     bOneSide && a.hasSysParams ? held : QJsonValue(),
                     bOneSide && b.hasSysParams ? held : QJsonValue()});
    }
    return rows;
}

} // namespace BackUpCompare
