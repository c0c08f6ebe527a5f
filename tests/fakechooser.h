#pragma once

#include "view/filechooser.h"

// Answers the import and export dialogs with a prepared name, and counts the questions.
class FakeChooser final : public FileChooser
{
public:
    QString answer;
    int asked = 0;
    QString openFile(QWidget *, const QString &, const QString &) override { return ask(); }
    QString saveFile(QWidget *, const QString &, const QString &) override { return ask(); }

private:
    QString ask()
    {
        ++asked;
        return answer;
    }
};
