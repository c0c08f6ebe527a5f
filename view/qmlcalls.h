#pragma once

#include <QVariant>

class QObject;

// Calls a function of the QML root by name; every argument travels as a
// QVariant, so the QML functions must stay untyped to be found.
namespace qmlcalls {

bool invoke(QObject *root, const char *function, Qt::ConnectionType type,
            const QVariantList &arguments = {});

} // namespace qmlcalls
