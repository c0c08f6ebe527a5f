#pragma once

#include <QObject>

#include <functional>
#include <memory>

class Widget;

// Something that lives beside the main window for the whole run.
using Companion = std::function<std::unique_ptr<QObject>(Widget &)>;

// The whole program from process start to exit: single instance, working
// folder, main window, first device check, event loop. The companion is made
// once the window exists, before it is shown and the first check runs, and
// goes before the window does.
int runApplication(int argc, char *argv[], const Companion &companion = {});
