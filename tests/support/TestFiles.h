#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The suites' one way to put bytes into a file and read them back (empty when the file cannot be read).
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
