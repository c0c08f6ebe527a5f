#pragma once

#include <QMutex>

// hidapi's hidraw backend keeps a process-wide error string that every
// hid_open_path and hid_enumerate replaces without a lock; the GUI thread and
// the event listener both open interfaces, so those calls take this lock.
QMutex &hidapiLock();
