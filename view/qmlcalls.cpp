#include "view/qmlcalls.h"

#include <QMetaObject>

namespace qmlcalls {

bool invoke(QObject *root, const char *function, Qt::ConnectionType type,
            const QVariantList &arguments)
{
    if (!root)
        return false;
    const auto arg = [&arguments](int i) {
        return i < arguments.size() ? Q_ARG(QVariant, arguments.at(i)) : QGenericArgument();
    };
    switch (arguments.size()) {
    case 0:
        return QMetaObject::invokeMethod(root, function, type);
    case 1:
        return QMetaObject::invokeMethod(root, function, type, arg(0));
    case 2:
        return QMetaObject::invokeMethod(root, function, type, arg(0), arg(1));
    case 3:
        return QMetaObject::invokeMethod(root, function, type, arg(0), arg(1), arg(2));
    case 4:
        return QMetaObject::invokeMethod(root, function, type, arg(0), arg(1), arg(2), arg(3));
    default:
        return false;
    }
}

} // namespace qmlcalls
