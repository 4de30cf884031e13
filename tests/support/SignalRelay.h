#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <type_traits>

// Watches a worker's signals from the thread that creates the relay. Every connection is queued, so the
// entries are appended on this thread only, in the order the worker emitted them; a QSignalSpy connects
// directly and would append on the worker's thread while the test reads it.
//
//   SignalRelay relay;
//   relay.watch(worker, &DeviceManagerThread::operationFinished, "operationFinished");
//   relay.watch(worker, &DeviceManagerThread::updateText, "updateText");
//   QVERIFY(relay.waitFor("operationFinished(0,true)"));
//   QCOMPARE(relay.entries(), QStringList({"updateText(Success.)", "operationFinished(0,true)"}));
//
// An entry is the name and its arguments joined by ",": bools as true/false, numbers in decimal, string lists
// joined by "|", byte arrays in hex, arrays as "data" (freed by the relay when setOwnsArrays(true): the worker
// hands them to whoever receives them).
class SignalRelay : public QObject
{
public:
    explicit SignalRelay(QObject* parent = nullptr) : QObject(parent) {}

    template <typename Sender, typename... Args>
    void watch(const Sender* sender, void (Sender::*signal)(Args...), const QString& name)
    {
        connect(
            sender, signal, this,
            [this, name](Args... args) {
                const QStringList parts{text(args)...};
                append(name + '(' + parts.join(',') + ')');
            },
            Qt::QueuedConnection);
    }

    void setOwnsArrays(bool bOwns) { m_bOwnsArrays = bOwns; }
    void append(const QString& entry)
    {
        m_entries.append(entry);
        if (m_pLoop)
            m_pLoop->quit();
    }
    QStringList entries() const { return m_entries; }
    int count(const QString& entry) const { return m_entries.count(entry); }
    void clear() { m_entries.clear(); }
    // Entries that start with prefix ("operationFinished(" for every result).
    QStringList matching(const QString& prefix) const
    {
        QStringList found;
        for (const QString& entry : m_entries)
            if (entry.startsWith(prefix))
                found.append(entry);
        return found;
    }

    // Runs this thread's events until an entry equal to text (or, when text does not end in ')', starting with
    // it) has arrived `times` times in all, or timeoutMs has passed. False on timeout.
    bool waitFor(const QString& text, int timeoutMs = 5000, int times = 1)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (hits(text) < times) {
            if (deadline.hasExpired())
                return false;
            QEventLoop loop;
            QTimer::singleShot(int(deadline.remainingTime()), &loop, &QEventLoop::quit);
            m_pLoop = &loop;
            loop.exec();
            m_pLoop = nullptr;
        }
        return true;
    }

private:
    int hits(const QString& text) const { return text.endsWith(')') ? m_entries.count(text) : matching(text).size(); }

    template <typename T> QString text(const T& value)
    {
        using V = std::decay_t<T>;
        if constexpr (std::is_same_v<V, bool>)
            return value ? QStringLiteral("true") : QStringLiteral("false");
        else if constexpr (std::is_pointer_v<V>) {
            if (m_bOwnsArrays)
                delete[] value;
            return value ? QStringLiteral("data") : QStringLiteral("null");
        } else if constexpr (std::is_arithmetic_v<V> || std::is_enum_v<V>)
            return QString::number(static_cast<qint64>(value));
        else if constexpr (std::is_same_v<V, QStringList>)
            return value.join('|');
        else if constexpr (std::is_same_v<V, QByteArray>)
            return QString::fromLatin1(value.toHex());
        else if constexpr (std::is_same_v<V, QVector<int>>)
            return value.isEmpty() ? QStringLiteral("null") : QStringLiteral("data");
        else
            return QString(value);
    }

    QStringList m_entries;
    QEventLoop* m_pLoop = nullptr;
    bool m_bOwnsArrays = false;
};
