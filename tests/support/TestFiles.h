#pragma once

#include <QFile>

/** Writes @p bytes to @p path and returns the path; stops the test program when it cannot. */
inline QString writeTestFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

/** The bytes of @p path, or "<missing>". */
inline QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
