#include "Librarian.h"

#include "ProgressBar.h"

#include "DeviceManagerThread.h"
#include "backupcompare.h"
#include "backupimage.h"
#include "backupsearch.h"
#include "deviceinfo.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "hidseam.h"
#include "presetlabel.h"
#include "presetname.h"
#include "resultcodes.h"
#include "settle.h"
#include "unitlock.h"
#include "usbids.h"

#include "virtualunit/VirtualHidBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>

using namespace Console;

namespace {
int exitFor(const UnitSession::Outcome& outcome)
{
    if (outcome.bInterrupted)
        return Exit::Interrupted;
    const int result = outcome.result;
    if (result == ResultCode::Success)
        return Exit::Ok;
    if (result == -1)
        return outcome.texts.contains(say(Text::Disconnected)) ? Exit::Communication : Exit::Failed;
    if (ResultCode::isCommunicationFailure(result) || result == ResultCode::OpenFailed ||
        result == ResultCode::BadMagic || result == ResultCode::WrongReply || result == ResultCode::NoSysParams)
        return Exit::Communication;
    if (result == ResultCode::FileCorrupted || result == ResultCode::FileVersionMismatch ||
        result == ResultCode::FileNotFound || result == ResultCode::JournalRefused)
        return Exit::BadFile;
    // The back-up taken first failed, and nothing started: the second line says why.
    if (result == ResultCode::AutoBackUpFailed)
        return !outcome.texts.isEmpty() && outcome.texts.constLast().contains(say(Text::CommunicationFailure))
                   ? Exit::Communication
                   : Exit::Failed;
    if (result == ResultCode::VerifyMismatch)
        return Exit::Verification;
    if (result == ResultCode::UndoConflict)
        return Exit::Changed;
    return Exit::Failed;
}

// The operation's last words: on standard output when it went well, as the error otherwise.
int report(const Options& options, const UnitSession::Outcome& outcome, QJsonObject json = QJsonObject())
{
    const QString last = outcome.texts.isEmpty() ? QString() : plain(outcome.texts.constLast());
    const int code = exitFor(outcome);
    if (code != Exit::Ok) {
        // Stopped by Ctrl-C: what the worker said as it stopped, when it said anything, tells how far it got.
        if (code == Exit::Interrupted)
            fail(code, last.isEmpty() ? say(Text::Interrupted) : say(Text::InterruptedAfter).arg(last));
        else
            fail(code, last.isEmpty() ? QCoreApplication::translate("tessitra", "Operation failed.") : last);
        if (!outcome.recoveryBackUp.isEmpty())
            fail(code, say(outcome.recoveryBackUp.endsWith(QLatin1String(".dat")) ? Text::FactoryKeptBefore
                                                                                  : Text::BackedUpBefore)
                           .arg(outcome.recoveryBackUp));
        return code;
    }
    if (options.bJson) {
        json.insert(QStringLiteral("result"), outcome.result);
        json.insert(QStringLiteral("text"), last);
        print(stdout, QString::fromUtf8(QJsonDocument(json).toJson()));
    } else if (!last.isEmpty()) {
        print(stdout, last + QLatin1Char('\n'));
    }
    return Exit::Ok;
}

// Reads a back-up for a diff; 0, or the exit code after saying what is wrong with it.
int readBackUp(const QString& arg, BackUpImage& image)
{
    const int result = BackUpImage::read(QFileInfo(arg).absoluteFilePath(), image);
    if (result == ResultCode::Success)
        return Exit::Ok;
    if (result == ResultCode::FileNotFound)
        return fail(Exit::BadFile, QCoreApplication::translate("tessitra", "%1: File not found.").arg(arg));
    if (result == ResultCode::FileVersionMismatch)
        return fail(Exit::BadFile, QCoreApplication::translate("tessitra", "%1 is not a back-up file.").arg(arg));
    return fail(Exit::BadFile, QCoreApplication::translate("tessitra", "%1 is cut short or damaged.").arg(arg));
}

QString modelName(int productId)
{
    return QLatin1String(productId == UsbIds::CadenzoProductId ? "Stage Cadenzo" : "Stage Ariette");
}
} // namespace

int Librarian::presetCount()
{
    return g_deviceInfo.presetCount.load();
}

bool Librarian::slotArguments(const QStringList& texts, bool bUserOnly, QList<int>* numbers)
{
    for (const QString& text : texts) {
        const int number = slotArgument(text, bUserOnly);
        if (number < 0)
            return false;
        numbers->append(number);
    }
    return true;
}

int Librarian::slotArgument(const QString& text, bool bUserOnly)
{
    const int number = PresetLabel::number(text, presetCount());
    if (number < 0 || (bUserOnly && number > 100)) {
        usage((bUserOnly ? tr("%1 is not a user slot of this unit (U01 to U%2)")
                         : tr("%1 is not a slot of this unit (U01 to U%2, F01 to F%2)"))
                  .arg(text)
                  .arg(presetCount(), 2, 10, QLatin1Char('0')));
        return -1;
    }
    return number;
}

int Librarian::readLists()
{
    // The texts of a read that went well ("Reading set lists...") are not worth printing.
    const UnitSession::Outcome outcome = m_pSession->run(new QEvent(DeviceManagerThread::ReadFactoryPresetsEvent));
    if (exitFor(outcome) == Exit::Ok)
        return Exit::Ok;
    return report(m_options, outcome);
}

UnitSession::Outcome Librarian::runWithProgress(QEvent* event, const std::function<void(DeviceManagerThread*)>& setter)
{
    ProgressBar bar(*m_pSession);
    return m_pSession->run(event, setter);
}

bool Librarian::willAsk() const
{
    return !m_options.bYes && interactive();
}

QString Librarian::describe(int presetNumber) const
{
    return PresetLabel::label(presetNumber) + QLatin1Char(' ') + m_pSession->names().value(presetNumber);
}

int Librarian::info()
{
    const int pid = m_pSession->productId();
    const QList<QPair<QString, QJsonValue>> rows = {
        {QStringLiteral("model"), modelName(pid)},
        {QStringLiteral("productId"), QStringLiteral("0x%1").arg(pid, 4, 16, QLatin1Char('0'))},
        {QStringLiteral("productCode"), g_deviceInfo.hardwareProductCode.load()},
        {QStringLiteral("patchVersion"), g_deviceInfo.hardwarePatchVersion.load()},
        {QStringLiteral("presets"), presetCount()},
        {QStringLiteral("nameLength"), g_deviceInfo.maxPresetNameLength.load()},
        {QStringLiteral("parameters"), g_deviceInfo.maxPresetParamLength.load()},
        {QStringLiteral("dsp"), g_deviceInfo.dspVersion()},
        {QStringLiteral("firmware"), g_deviceInfo.firmwareVersion()},
    };
    QJsonObject json;
    QString text;
    for (const auto& row : rows) {
        json.insert(row.first, row.second);
        const QString value = row.second.isString() ? row.second.toString() : QString::number(row.second.toInt());
        text += row.first.leftJustified(14) + value + QLatin1Char('\n');
    }
    print(stdout, m_options.bJson ? QString::fromUtf8(QJsonDocument(json).toJson()) : text);
    return Exit::Ok;
}

int Librarian::list()
{
    if (m_options.args.size() > 1)
        return usage(tr("list takes one of user, factory, favourites, A, B, C, D"));
    const QString what = m_options.args.value(0, QStringLiteral("user")).toLower();
    const int setListIndex = PresetLabel::setListIndex(what);
    if (what != QLatin1String("user") && what != QLatin1String("factory") && setListIndex < 0)
        return usage(tr("list takes one of user, factory, favourites, A, B, C, D"));
    if (const int code = readLists())
        return code;

    const QMap<int, QString> names = m_pSession->names();
    QJsonArray json;
    QString text;
    if (setListIndex >= 0) {
        if (!m_pSession->hasSetList(setListIndex))
            return fail(Exit::Communication, tr("Failed to read set lists."));
        const std::array<int, 20> listSlots = m_pSession->setList(setListIndex);
        for (int k = 0; k < 20; ++k) {
            // An entry holds the number of the preset it plays (0: empty), so "slot" names that preset as the
            // preset lists do; "position" is the entry's place in the list. An empty entry has null for both.
            const int number = listSlots[static_cast<size_t>(k)];
            const QString label = PresetLabel::label(number);
            json.append(QJsonObject{
                {QStringLiteral("position"), k + 1},
                {QStringLiteral("slot"), label.isEmpty() ? QJsonValue() : QJsonValue(label)},
                {QStringLiteral("name"), label.isEmpty() ? QJsonValue() : QJsonValue(names.value(number))}});
            text += QStringLiteral("%1  %2  %3")
                        .arg(k + 1, 2, 10, QLatin1Char('0'))
                        .arg(label.isEmpty() ? QStringLiteral("-") : label, -4)
                        .arg(names.value(number))
                        .trimmed() +
                    QLatin1Char('\n');
        }
    } else {
        const int base = what == QLatin1String("factory") ? 100 : 0;
        for (int k = 1; k <= presetCount(); ++k) {
            const QString label = PresetLabel::label(base + k);
            json.append(QJsonObject{{QStringLiteral("slot"), label}, {QStringLiteral("name"), names.value(base + k)}});
            text += label.leftJustified(6) + names.value(base + k) + QLatin1Char('\n');
        }
    }
    print(stdout, m_options.bJson ? QString::fromUtf8(QJsonDocument(json).toJson()) : text);
    return Exit::Ok;
}

int Librarian::backUp()
{
    if (m_options.args.size() != 1)
        return usage(tr("backup takes one FILE"));
    const QString path = QFileInfo(m_options.args.at(0)).absoluteFilePath();
    const UnitSession::Outcome outcome = runWithProgress(
        new QEvent(DeviceManagerThread::BackUpEvent), [&path](DeviceManagerThread* w) { w->setBackUpFilePath(path); });
    return report(m_options, outcome, QJsonObject{{QStringLiteral("file"), path}});
}

int Librarian::restore()
{
    if (m_options.args.size() != 1)
        return usage(tr("restore takes one FILE"));
    const QString path = QFileInfo(m_options.args.at(0)).absoluteFilePath();
    if (!QFileInfo(path).isFile())
        return fail(Exit::BadFile,
                    DeviceManagerThread::operationText(DeviceManagerThread::RestoreEvent, ResultCode::FileNotFound));
    if (m_options.bOnlyGiven || !m_options.setLists.isEmpty() || m_options.bSysParams)
        return restoreSelected(path);
    if (const int code = confirm(m_options, tr("Restore %1? Every user preset, the set lists and the "
                                               "system parameters of the unit are replaced.")
                                                .arg(QFileInfo(path).fileName()));
        code >= 0)
        return code;
    const UnitSession::Outcome outcome = runWithProgress(
        new QEvent(DeviceManagerThread::RestoreEvent), [&path](DeviceManagerThread* w) { w->setBackUpFilePath(path); });
    return report(m_options, outcome, QJsonObject{{QStringLiteral("file"), path}});
}

int Librarian::restoreSelected(const QString& path)
{
    if (m_options.bOnlyGiven && m_options.only.isEmpty())
        return usage(tr("--only takes one SLOT or more"));
    QList<int> presets;
    if (!slotArguments(m_options.only, true, &presets))
        return Exit::Usage;
    QList<int> setLists;
    for (const QString& name : m_options.setLists.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int index = PresetLabel::setListIndex(name.trimmed());
        if (name.trimmed().compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
            setLists = {0, 1, 2, 3, 4};
        else if (index < 0)
            return usage(tr("--setlists takes favourites, A, B, C, D or all, separated by commas"));
        else if (!setLists.contains(index))
            setLists.append(index);
    }
    // Named from the file for the question; a file that does not read is refused by the worker's own check
    // (exit 6) before anything reaches the unit, so there is nothing to ask about then.
    BackUpImage image;
    if (BackUpImage::read(path, image) == ResultCode::Success) {
        QStringList chosen;
        for (int number : qAsConst(presets))
            chosen.append(number <= image.presetCount
                              ? PresetLabel::label(number) + QLatin1Char(' ') +
                                    PresetName::fromCodes(image.record(number - 1), image.nameLength).trimmed()
                              : PresetLabel::label(number));
        for (int index : qAsConst(setLists))
            chosen.append(
                index == 0
                    ? QCoreApplication::translate("tessitra", "the favourites")
                    : QCoreApplication::translate("tessitra", "set list %1").arg(PresetLabel::setListName(index)));
        if (m_options.bSysParams)
            chosen.append(QCoreApplication::translate("tessitra", "the system parameters"));
        if (const int code =
                confirm(m_options, QCoreApplication::translate("tessitra", "Put back %1 from %2? The "
                                                                           "unit's own are replaced.")
                                       .arg(chosen.join(QStringLiteral(", ")), QFileInfo(path).fileName()));
            code >= 0)
            return code;
    }
    const bool bSysParams = m_options.bSysParams;
    const UnitSession::Outcome outcome =
        runWithProgress(new QEvent(DeviceManagerThread::RestoreSelectedEvent),
                        [&](DeviceManagerThread* w) { w->setSelectedRestore(path, presets, setLists, bSysParams); });
    return report(m_options, outcome, QJsonObject{{QStringLiteral("file"), path}});
}

// Every back-up and preset file under the folders given (the models' preset and back-up folders by default) that
// holds a preset whose name contains TEXT, newest file first; no unit is needed. Like grep, exit 1 when none does.
int Librarian::find()
{
    if (m_options.args.isEmpty())
        return usage(tr("find takes TEXT and, optionally, FOLDER..."));
    const QString wanted = m_options.args.constFirst().trimmed();
    QStringList folders = m_options.args.mid(1);
    if (folders.isEmpty())
        folders = BackUpSearch::allModelFolders();
    BackUpSearch::Query query;
    query.name = wanted;
    QJsonArray rows;
    QString text;
    for (const BackUpSearch::Hit& hit : BackUpSearch::find(query, folders)) {
        const QString slot =
            hit.userSlot < 0 ? QStringLiteral("-") : QStringLiteral("U%1").arg(hit.userSlot, 2, 10, QLatin1Char('0'));
        rows.append(QJsonObject{{QStringLiteral("file"), hit.path},
                                {QStringLiteral("slot"), hit.userSlot < 0 ? QJsonValue() : QJsonValue(slot)},
                                {QStringLiteral("name"), hit.name}});
        text += hit.path + QStringLiteral("  ") + slot.leftJustified(4) + hit.name + QLatin1Char('\n');
    }
    if (rows.isEmpty())
        return fail(Exit::Failed,
                    QCoreApplication::translate("tessitra", "No preset named like \"%1\" was found.").arg(wanted));
    print(stdout, m_options.bJson ? QString::fromUtf8(QJsonDocument(rows).toJson()) : text);
    return Exit::Ok;
}

int Librarian::diff()
{
    if (m_options.args.isEmpty() || m_options.args.size() > 2)
        return usage(tr("diff takes FILE (against the unit) or FILE1 FILE2"));
    const bool bTwoFiles = m_options.args.size() == 2;
    BackUpImage left;
    BackUpImage right;
    if (const int code = readBackUp(m_options.args.constLast(), right))
        return code;
    if (bTwoFiles) {
        if (const int code = readBackUp(m_options.args.constFirst(), left))
            return code;
    } else {
        // A file of another unit is refused before the unit is read (a read costs what a back-up costs).
        if (right.productCode != g_deviceInfo.hardwareProductCode.load() ||
            right.nameLength != g_deviceInfo.maxPresetNameLength.load() ||
            right.paramCount != g_deviceInfo.maxPresetParamLength.load() || right.presetCount != presetCount())
            return fail(Exit::BadFile, QCoreApplication::translate("tessitra", "%1 is not a %2 back-up.")
                                           .arg(m_options.args.constFirst(), modelName(m_pSession->productId())));
        // The unit is read as a back-up is taken, by the worker, into a private folder gone when this ends.
        QTemporaryDir folder;
        if (!folder.isValid())
            return fail(Exit::Failed, QCoreApplication::translate("tessitra", "Cannot make a temporary folder."));
        const QString path = folder.filePath(QStringLiteral("unit.tarb"));
        const UnitSession::Outcome outcome =
            runWithProgress(new QEvent(DeviceManagerThread::BackUpEvent),
                            [&path](DeviceManagerThread* w) { w->setBackUpFilePath(path); });
        if (exitFor(outcome) != Exit::Ok)
            return report(m_options, outcome);
        if (BackUpImage::read(path, left) != ResultCode::Success)
            return fail(Exit::Communication, say(Text::CommunicationFailure));
    }
    if (left.productCode != right.productCode || left.nameLength != right.nameLength ||
        left.paramCount != right.paramCount || left.presetCount != right.presetCount)
        return fail(Exit::BadFile,
                    QCoreApplication::translate("tessitra", "%1 and %2 are back-ups of different models.")
                        .arg(m_options.args.constFirst(), m_options.args.constLast()));

    const QString leftKey = QLatin1String(bTwoFiles ? "file1" : "unit");
    const QString rightKey = QLatin1String(bTwoFiles ? "file2" : "file");
    QJsonArray json;
    QString text;
    for (const BackUpCompare::Row& row : BackUpCompare::compare(left, right)) {
        if (row.mark == BackUpCompare::Mark::Same && !m_options.bAll)
            continue;
        const QString mark = BackUpCompare::key(row.mark);
        json.append(QJsonObject{{QStringLiteral("slot"), row.slot},
                                {QStringLiteral("mark"), mark},
                                {leftKey, row.left},
                                {rightKey, row.right}});
        // "U08        renamed   Panel Edit -> Choir Pad": the left side's, then the right side's when it differs.
        QString detail = row.left.toString();
        if (row.left != row.right)
            detail = QStringLiteral("%1 -> %2")
                         .arg(row.left.isNull() ? tr("(none)") : row.left.toString(),
                              row.right.isNull() ? tr("(none)") : row.right.toString());
        text += QString(row.slot.leftJustified(11) + mark.leftJustified(10) + detail).trimmed() + QLatin1Char('\n');
    }
    print(stdout, m_options.bJson ? QString::fromUtf8(QJsonDocument(json).toJson()) : text);
    return Exit::Ok;
}

int Librarian::save()
{
    if (m_options.args.isEmpty())
        return usage(tr("save takes one SLOT or more"));
    const QString folder = QFileInfo(m_options.bToGiven ? m_options.to : QDir::currentPath()).absoluteFilePath();
    if (QFileInfo::exists(folder) && !QFileInfo(folder).isDir())
        return usage(tr("%1 is not a folder").arg(folder));
    QList<int> numbers;
    if (!slotArguments(m_options.args, false, &numbers))
        return Exit::Usage;
    if (const int code = readLists())
        return code;
    QList<DeviceManagerThread::SaveItem> items;
    QJsonArray files;
    QString text;
    const QString extension = QLatin1String(m_pSession->productId() == UsbIds::CadenzoProductId ? ".tscp" : ".tarp");
    for (int number : qAsConst(numbers)) {
        DeviceManagerThread::SaveItem item;
        item.text = PresetLabel::entryText(number, m_pSession->names().value(number));
        item.presetNumber = number;
        items.append(item);
        const QString path = folder + QLatin1Char('/') + DeviceManagerThread::cleanFileName(item.text + extension);
        files.append(path);
        text += path + QLatin1Char('\n');
    }
    // Made as `mkdir -p` would: a script names the folder its presets go to, as the README's tour does.
    if (!QDir().mkpath(folder))
        return fail(Exit::Failed, QCoreApplication::translate("tessitra", "Cannot create the folder %1.").arg(folder));
    const UnitSession::Outcome outcome =
        m_pSession->run(new QEvent(DeviceManagerThread::SavePresetsToFilesEvent),
                        [&](DeviceManagerThread* w) { w->setSaveItems(items, folder); });
    if (exitFor(outcome) != Exit::Ok)
        return report(m_options, outcome);
    print(stdout, m_options.bJson ? QString::fromUtf8(QJsonDocument(files).toJson()) : text);
    return Exit::Ok;
}

int Librarian::load()
{
    if (m_options.args.isEmpty() || !m_options.bToGiven)
        return usage(tr("load takes one FILE or more and --to SLOT"));
    const int first = slotArgument(m_options.to, true);
    if (first < 0)
        return Exit::Usage;
    if (first + m_options.args.size() - 1 > presetCount())
        return usage(tr("%1 files from %2 do not fit in the user slots").arg(m_options.args.size()).arg(m_options.to));
    QStringList paths;
    QList<int> destinations;
    for (const QString& arg : qAsConst(m_options.args)) {
        const QFileInfo file(arg);
        if (!file.isFile())
            return fail(Exit::BadFile,
                        tr("%1: %2", "a file and what is wrong with it")
                            .arg(arg, DeviceManagerThread::operationText(DeviceManagerThread::LoadPresetFilesEvent,
                                                                         ResultCode::FileNotFound)));
        paths.append(file.absoluteFilePath());
        destinations.append(first + destinations.size());
    }
    if (const int code = readLists())
        return code;
    QStringList targets;
    for (int number : qAsConst(destinations))
        targets.append(describe(number));
    if (const int code =
            confirm(m_options, tr("Do you want to overwrite the presets %1 with %2?")
                                   .arg(targets.join(QStringLiteral(", ")), m_options.args.join(QStringLiteral(", "))));
        code >= 0)
        return code;
    const UnitSession::Outcome outcome =
        runWithProgress(new QEvent(DeviceManagerThread::LoadPresetFilesEvent),
                        [&](DeviceManagerThread* w) { w->setPresetTransfer(destinations, paths, QList<int>()); });
    return report(m_options, outcome);
}

int Librarian::copy()
{
    if (m_options.args.size() != 2)
        return usage(tr("copy takes FROM and TO"));
    const int from = slotArgument(m_options.args.at(0), false);
    if (from < 0)
        return Exit::Usage;
    const int to = slotArgument(m_options.args.at(1), true);
    if (to < 0)
        return Exit::Usage;
    if (const int code = readLists())
        return code;
    if (const int code = confirm(
            m_options, tr("Do you want to overwrite the presets %1 with %2?").arg(describe(to), describe(from)));
        code >= 0)
        return code;
    const UnitSession::Outcome outcome =
        m_pSession->run(new QEvent(DeviceManagerThread::CopyPresetsEvent), [&](DeviceManagerThread* w) {
            w->setPresetTransfer(QList<int>{to}, QStringList(), QList<int>{from});
        });
    return report(m_options, outcome);
}

int Librarian::rename()
{
    if (m_options.args.size() != 2)
        return usage(tr("rename takes SLOT and NAME"));
    const int number = slotArgument(m_options.args.at(0), true);
    if (number < 0)
        return Exit::Usage;
    const QString name = m_options.args.at(1);
    const int length = g_deviceInfo.maxPresetNameLength.load();
    if (name.isEmpty() || name.size() > length)
        return usage(tr("a name on this unit has 1 to %1 characters").arg(length));
    for (const QChar c : name)
        // The unit keeps one Latin-1 byte per character.
        if (c.unicode() < 0x20 || (c.unicode() > 0x7e && c.unicode() < 0xa0) || c.unicode() > 0xff)
            return usage(tr("a name holds Latin-1 letters, digits, spaces and signs only"));
    // The question names the preset as it is now; without one to ask, the long read of every name is spared.
    if (const int code = willAsk() ? readLists() : Exit::Ok)
        return code;
    if (const int code = confirm(
            m_options, QCoreApplication::translate("tessitra", "Rename %1 to \"%2\"?").arg(describe(number), name));
        code >= 0)
        return code;
    const UnitSession::Outcome outcome =
        m_pSession->run(new QEvent(DeviceManagerThread::RenamePresetEvent),
                        [&](DeviceManagerThread* w) { w->setRenameData(number, name, -1, nullptr); });
    return report(m_options, outcome);
}

int Librarian::setList()
{
    if (m_options.args.size() < 2 || m_options.args.size() > 21)
        return usage(tr("setlist takes a list (A, B, C, D or favourites) and 1 to 20 SLOTs"));
    const int index = PresetLabel::setListIndex(m_options.args.at(0));
    if (index < 0)
        return usage(tr("%1 is not a set list (A, B, C, D or favourites)").arg(m_options.args.at(0)));
    QMap<int, int> slotMap;
    for (int k = 0; k < 20; ++k) {
        const int number = k + 1 < m_options.args.size() ? slotArgument(m_options.args.at(k + 1), false) : 0;
        if (number < 0)
            return Exit::Usage;
        slotMap.insert(k, number);
    }
    if (const int code = willAsk() ? readLists() : Exit::Ok)
        return code;
    QStringList entries;
    for (int k = 0; k < 20 && slotMap.value(k) > 0; ++k)
        entries.append(describe(slotMap.value(k)));
    if (const int code = confirm(
            m_options,
            QCoreApplication::translate("tessitra", "Make %1 hold %2, and empty its "
                                                    "other slots?")
                .arg(index == 0
                         ? QCoreApplication::translate("tessitra", "the favourites")
                         : QCoreApplication::translate("tessitra", "set list %1").arg(PresetLabel::setListName(index)),
                     entries.join(QStringLiteral(", "))));
        code >= 0)
        return code;
    const UnitSession::Outcome outcome =
        m_pSession->run(new QEvent(DeviceManagerThread::WriteSetListEvent),
                        [&](DeviceManagerThread* w) { w->setSetListEdit(index, slotMap); });
    return report(m_options, outcome, QJsonObject{{QStringLiteral("setList"), PresetLabel::setListName(index)}});
}

// An undo (or redo) that finds a slot changed since it was written is refused by the worker; on a terminal the
// user may still go on after a second question, in a script never (--yes answers the first question only).
int Librarian::undo()
{
    if (!m_options.args.isEmpty())
        return usage(tr("%1 takes no arguments").arg(m_options.command));
    const bool bRedo = m_options.command == QLatin1String("redo");
    const QEvent::Type type = bRedo ? DeviceManagerThread::RedoEvent : DeviceManagerThread::UndoEvent;
    if (const int code = confirm(
            m_options,
            bRedo ? QCoreApplication::translate("tessitra", "Write again what the last undo took away?")
                  : QCoreApplication::translate("tessitra", "Put back what the last copy, load, rename or set-list "
                                                            "change overwrote?"));
        code >= 0)
        return code;
    UnitSession::Outcome outcome = m_pSession->run(new QEvent(type));
    if (outcome.result == ResultCode::UndoConflict && interactive() && !outcome.texts.isEmpty()) {
        print(stderr, plain(outcome.texts.constLast()) + QLatin1Char('\n'));
        Options again = m_options;
        again.bYes = false;
        if (const int code = confirm(again, tr("Overwrite it anyway?")); code >= 0)
            return code;
        outcome = m_pSession->run(new QEvent(type), [](DeviceManagerThread* w) { w->setUndoForce(true); });
    }
    return report(m_options, outcome);
}

int Librarian::factoryUpdate()
{
    // FILE: a factory bank kept before an earlier rewrite ("Auto before factory update ... .dat") to put back.
    if (m_options.args.size() > 1)
        return usage(tr("factory-update takes at most one FILE"));
    const QString source = m_options.args.isEmpty() ? QString() : QFileInfo(m_options.args.at(0)).absoluteFilePath();
    if (!source.isEmpty() && !QFileInfo(source).isFile())
        return fail(Exit::BadFile, tr("%1: File not found.").arg(m_options.args.at(0)));
    if (const int code = confirm(m_options, tr("Rewrite the factory presets of the unit?")); code >= 0)
        return code;
    return report(m_options, runWithProgress(new QEvent(DeviceManagerThread::UpdateFactoryPresetsEvent),
                                             [&source](DeviceManagerThread* w) { w->setFactorySource(source); }));
}

int Librarian::firmware()
{
    if (m_options.args.isEmpty())
        return usage(tr("firmware takes one FILE or more"));
    QStringList paths;
    for (const QString& arg : qAsConst(m_options.args)) {
        const QFileInfo file(arg);
        if (!file.isFile())
            return fail(Exit::BadFile, tr("%1: File not found.").arg(arg));
        const QString suffix = file.suffix().toLower();
        if (suffix != QLatin1String("ldr") && suffix != QLatin1String("bin"))
            return fail(Exit::BadFile,
                        tr("%1: neither a DSP image (.ldr) nor a microcontroller image (.bin).").arg(arg));
        paths.append(file.absoluteFilePath());
    }
    if (const int code = confirm(m_options, tr("Write %1 into the unit? Do not disconnect or power down "
                                               "the device while it runs.")
                                                .arg(m_options.args.join(QStringLiteral(", "))));
        code >= 0)
        return code;
    for (const QString& path : qAsConst(paths)) {
        const UnitSession::Outcome outcome = runWithProgress(new DeviceManagerThread::FirmwareFileEvent(path));
        if (const int code = report(m_options, outcome, QJsonObject{{QStringLiteral("file"), path}}))
            return code;
    }
    return Exit::Ok;
}

int Librarian::checkUpdate()
{
    if (!m_options.args.isEmpty())
        return usage(tr("check-update takes no arguments"));
    CFirmwareUpdate* pUpdate = CFirmwareUpdate::instance();
    QEventLoop loop;
    QObject context;
    QString failure;
    QStringList offer;
    bool bDone = false;
    const auto end = [&] {
        bDone = true;
        loop.quit();
    };
    QObject::connect(pUpdate, &CFirmwareUpdate::newVersions, &context,
                     [&](const QString& dsp, const QString& dspUrl, const QString& fw, const QString& fwUrl,
                         const QString&, const QString&, bool) {
                         offer = QStringList{dsp, dspUrl, fw, fwUrl};
                         if (!dsp.isEmpty() || !fw.isEmpty())
                             end();
                     });
    QObject::connect(pUpdate, &CFirmwareUpdate::updateCheckFailed, &context, [&](const QString& text) {
        failure = text;
        end();
    });
    QObject::connect(pUpdate, &CFirmwareUpdate::updateText, &context, [&](const QString& text) { failure = text; });
    QObject::connect(pUpdate, &CFirmwareUpdate::operationFinished, &context, [&](int result, bool) {
        if (result != 0)
            end();
    });
    // Ctrl-C ends the wait; the service is told to stop when the program ends.
    QTimer interruptCheck;
    QObject::connect(&interruptCheck, &QTimer::timeout, &context, [&end] {
        if (UnitSession::interrupted())
            end();
    });
    interruptCheck.start(100);
    pUpdate->moveToThread(pUpdate);
    pUpdate->start(QThread::InheritPriority);
    QCoreApplication::postEvent(pUpdate, new QEvent(CFirmwareUpdate::CheckFirmwareUpdateEvent));
    if (!bDone)
        loop.exec();
    if (UnitSession::interrupted())
        return fail(Exit::Interrupted, say(Text::Interrupted));

    const bool bOffered = offer.size() == 4 && (!offer.at(0).isEmpty() || !offer.at(2).isEmpty());
    // "Device firmware is up to date." is an answer, not a failure.
    const bool bUpToDate = failure == tr("Device firmware is up to date.");
    if (!bOffered && !bUpToDate)
        return fail(failure == say(Text::Disconnected) ? Exit::Communication : Exit::Failed, failure);
    if (m_options.bJson) {
        const QJsonObject json{{QStringLiteral("currentDsp"), g_deviceInfo.dspVersion()},
                               {QStringLiteral("currentFirmware"), g_deviceInfo.firmwareVersion()},
                               {QStringLiteral("dsp"), bOffered ? offer.at(0) : QString()},
                               {QStringLiteral("dspUrl"), bOffered ? offer.at(1) : QString()},
                               {QStringLiteral("firmware"), bOffered ? offer.at(2) : QString()},
                               {QStringLiteral("firmwareUrl"), bOffered ? offer.at(3) : QString()},
                               {QStringLiteral("upToDate"), !bOffered}};
        print(stdout, QString::fromUtf8(QJsonDocument(json).toJson()));
    } else if (bOffered) {
        QString text = tr("New firmware version available.\nCurrent: %1, %2\n")
                           .arg(g_deviceInfo.dspVersion(), g_deviceInfo.firmwareVersion());
        if (!offer.at(0).isEmpty())
            text += tr("New DSP:      %1  %2\n").arg(offer.at(0), offer.at(1));
        if (!offer.at(2).isEmpty())
            text += tr("New firmware: %1  %2\n").arg(offer.at(2), offer.at(3));
        print(stdout, text);
    } else {
        print(stdout, failure + QLatin1Char('\n'));
    }
    return Exit::Ok;
}

int Librarian::run()
{
    using Handler = int (Librarian::*)();
    const QList<QPair<QString, Handler>> handlers = {
        {QStringLiteral("info"), &Librarian::info},
        {QStringLiteral("list"), &Librarian::list},
        {QStringLiteral("backup"), &Librarian::backUp},
        {QStringLiteral("restore"), &Librarian::restore},
        {QStringLiteral("diff"), &Librarian::diff},
        {QStringLiteral("find"), &Librarian::find},
        {QStringLiteral("save"), &Librarian::save},
        {QStringLiteral("load"), &Librarian::load},
        {QStringLiteral("copy"), &Librarian::copy},
        {QStringLiteral("rename"), &Librarian::rename},
        {QStringLiteral("setlist"), &Librarian::setList},
        {QStringLiteral("undo"), &Librarian::undo},
        {QStringLiteral("redo"), &Librarian::undo},
        {QStringLiteral("factory-update"), &Librarian::factoryUpdate},
        {QStringLiteral("firmware"), &Librarian::firmware},
        {QStringLiteral("check-update"), &Librarian::checkUpdate},
    };
    Handler handler = nullptr;
    for (const auto& entry : handlers)
        if (entry.first == m_options.command)
            handler = entry.second;
    if (!handler)
        return usage(tr("unknown command %1").arg(m_options.command));
    if (m_options.bToGiven && m_options.command != QLatin1String("save") && m_options.command != QLatin1String("load"))
        return usage(tr("--to belongs to save and load"));
    if ((m_options.bOnlyGiven || !m_options.setLists.isEmpty() || m_options.bSysParams) &&
        m_options.command != QLatin1String("restore"))
        return usage(tr("--only, --setlists and --sysparams belong to restore"));
    if (m_options.bAll && m_options.command != QLatin1String("diff"))
        return usage(tr("--all belongs to diff"));
    // Two back-ups are compared without a unit: nothing to find, nothing to lock.
    if (m_options.command == QLatin1String("diff") && m_options.args.size() == 2)
        return diff();
    if (m_options.command == QLatin1String("find"))
        return find();

    // The real USB units, or the virtual ones of a bus folder.
    const QString bus = m_options.bus.isEmpty() ? QString() : QFileInfo(m_options.bus).absoluteFilePath();
    if (!bus.isEmpty()) {
        HidSeam::setApi(&VirtualHidBackend::api(bus));
        // Virtual units have every answer ready at once; a test run may skip the waits real units need.
        if (qgetenv("TESSITRA_SKIP_SETTLE") == "1")
            Settle::setSleepFunction([](int) {});
    }
    UnitLock::setPath(UnitLock::defaultPath(bus));
    if (!UnitLock::acquire()) {
        const bool bWindow = UnitLock::holder() != QCoreApplication::applicationName();
        return fail(Exit::InUse, say(bWindow ? Text::WindowHoldsUnit : Text::OtherHoldsUnit));
    }

    // The same data folders as the window: factory preset file, automatic back-ups.
    for (const QString& folder :
         {g_arietteFactoryPresetsFolder, g_arietteBackUpFolder, g_cadenzoFactoryPresetsFolder, g_cadenzoBackUpFolder})
        makeDataFolder(folder);

    UnitSession session;
    m_pSession = &session;
    const UnitSession::Found found = session.connectUnit();
    if (UnitSession::interrupted())
        return fail(Exit::Interrupted, say(Text::Interrupted));
    switch (found) {
    case UnitSession::Found::Several:
        return fail(Exit::SeveralUnits, DeviceManagerThread::multipleUnitsText());
    case UnitSession::Found::None:
        return fail(Exit::NoUnit, session.accessProblem().isEmpty() ? say(Text::NoUnit) : session.accessProblem());
    case UnitSession::Found::One:
        break;
    }
    return (this->*handler)();
}
