// How a utility shows a plain message box without knowing the user
// interface: the Dialogs service passes its own function, tests and batch
// runs pass a recorder. An empty function shows nothing.
#pragma once

#include <functional>
#include <string>

namespace verdalis {

using ShowPlainMessage = std::function<void(const std::string&)>;

} // namespace verdalis
