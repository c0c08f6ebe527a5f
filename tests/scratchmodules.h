#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

// A private copy of the installed modules/ folder, made the working directory,
// so a test can change settings files freely.
class ScratchModules
{
public:
    ScratchModules()
    {
        const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/modules");
        QDirIterator it(installed, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = m_dir.filePath(QStringLiteral("modules/") + QDir(installed).relativeFilePath(source));
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
        }
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    ~ScratchModules() { QDir::setCurrent(m_previous); }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
