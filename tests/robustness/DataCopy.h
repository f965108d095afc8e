// A copy of the shipped data folder in a temporary folder, from which files can be taken away
// for a while.
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace robustness {

class DataCopy
{
public:
    // Copies every file of source (a folder path ending with "/") into the copy.
    explicit DataCopy(const QString& source)
    {
        QDir().mkpath(Folder());
        QDir().mkpath(m_root.path() + QStringLiteral("/stash"));
        QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString to = Folder() + QDir(source).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            m_complete = QFile::copy(from, to) && m_complete;
        }
    }

    // Every file was copied.
    [[nodiscard]] bool Complete() const { return m_complete; }
    // The program's folder of the copy, with its trailing "/".
    [[nodiscard]] QString Folder() const { return m_root.path() + QStringLiteral("/game/"); }
    [[nodiscard]] QString Path(const QString& relative) const { return Folder() + relative; }
    // A settings file of its own, outside the program's folder.
    [[nodiscard]] QString SettingsFile() const
    {
        return m_root.path() + QStringLiteral("/settings.ini");
    }

    // Moves a file or folder of the copy out of it, and back when it ends.
    class Missing
    {
    public:
        Missing(const DataCopy& copy, const QString& relative)
            : m_path(copy.Path(relative))
            , m_stash(copy.m_root.path() + QStringLiteral("/stash/")
                      + QString(relative).replace(u'/', u'_'))
        {
            m_moved = QDir().rename(m_path, m_stash);
        }
        ~Missing()
        {
            if (m_moved)
                QDir().rename(m_stash, m_path);
        }
        Missing(const Missing&) = delete;
        Missing& operator=(const Missing&) = delete;

        // The file or folder was there and is gone.
        [[nodiscard]] bool Moved() const { return m_moved && !QFileInfo::exists(m_path); }

    private:
        QString m_path;
        QString m_stash;
        bool m_moved = false;
    };

private:
    QTemporaryDir m_root;
    bool m_complete = true;
};

} // namespace robustness
