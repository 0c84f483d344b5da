// The exception family of the Lumawave toolkit: every failure of reading,
// decoding, encoding or writing an image is raised as a lumawave::Error that
// carries the message meant for a person.
#pragma once

#include <stdexcept>
#include <string>

namespace lumawave {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace lumawave
