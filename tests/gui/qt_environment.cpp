#include "qt_environment.h"

#include <QElapsedTimer>

namespace verdalis::testing {

QApplication& qtApplication()
{
    static int argc = 1;
    static char name[] = "verdalis-gui-tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

bool processEventsUntil(const std::function<bool()>& condition)
{
    constexpr int limitMs = 5000;
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace verdalis::testing
