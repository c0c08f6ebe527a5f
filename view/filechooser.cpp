#include "view/filechooser.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace {

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

QString DialogFileChooser::openFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, desktopFolder(), filter);
}

QString DialogFileChooser::saveFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, desktopFolder(), filter);
}
