// One QApplication for the whole test program, on the platform the test's
// environment names (offscreen in CTest).
#pragma once

#include <QApplication>
#include <QCoreApplication>

#include <functional>

namespace verdalis::testing {

QApplication& qtApplication();

// Lets Qt handle its events until the condition holds or a few seconds pass.
bool processEventsUntil(const std::function<bool()>& condition);

} // namespace verdalis::testing
