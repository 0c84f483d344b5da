#include "qt_environment.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <memory>

namespace verdalis::testing {

namespace {

// The application lives from before the first test to after the last, and
// goes while the rest of Qt is still there.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { application = std::make_unique<QApplication>(argc, argv); }
    void TearDown() override { application.reset(); }

    std::unique_ptr<QApplication> application;

private:
    int argc = 1;
    char name[20] = "verdalis-gui-tests";
    char* argv[2] = {name, nullptr};
};

QtEnvironment* const environment =
    static_cast<QtEnvironment*>(::testing::AddGlobalTestEnvironment(new QtEnvironment));

} // namespace

QApplication& qtApplication()
{
    return *environment->application;
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
