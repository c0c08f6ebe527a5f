#pragma once

#include <QString>

class QWidget;

// Asks the user for a file. The view's import and export slots go through it,
// so tests can answer instead of a modal dialog.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // An empty result means the user cancelled.
    virtual QString openFile(QWidget *parent, const QString &caption, const QString &filter) = 0;
    virtual QString saveFile(QWidget *parent, const QString &caption, const QString &filter) = 0;
};

// Modal file dialogs that start in the user's desktop folder.
class DialogFileChooser final : public FileChooser
{
public:
    QString openFile(QWidget *parent, const QString &caption, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &caption, const QString &filter) override;
};
