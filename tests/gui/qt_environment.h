// One QApplication for the whole test program, on the platform the test's
// environment names (offscreen in CTest).
#pragma once

#include <QApplication>
#include <QCoreApplication>

#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>

namespace verdalis::testing {

QApplication& qtApplication();

// Lets Qt handle its events until the condition holds or a few seconds pass.
bool processEventsUntil(const std::function<bool()>& condition);

// The child widget of that name; a test that looks for one that is not
// there fails with its name.
template <class W>
W& childWidget(QWidget& parent, const char* name)
{
    W* found = parent.findChild<W*>(name);
    if (found == nullptr) {
        throw std::runtime_error(std::string("no widget ") + name);
    }
    return *found;
}

} // namespace verdalis::testing
