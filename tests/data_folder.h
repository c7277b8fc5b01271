// A temporary data folder for a test, and the files in it written and read as raw bytes.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class DataFolder {
protected:
    QString filePath(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name;
        file.write(bytes);
    }

    // The quick.dat the program is installed with, put into the folder.
    void stageQuickData() const
    {
        QFile staged(QStringLiteral(LOTOCARD_DATA_DIR "/quick.dat"));
        ASSERT_TRUE(staged.open(QIODevice::ReadOnly));
        write("quick.dat", staged.readAll());
    }

    // The file's bytes, or "<missing>" when it cannot be read.
    QByteArray content(const char* name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
};
