#include "messages.h"

#include <cstdio>
#include <string>

namespace strandel {

namespace {

void writeToStandardError(const char* caption, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

StrandelMessageBoxHandler activeHandler = writeToStandardError;

} // namespace

void setMessageBoxHandler(StrandelMessageBoxHandler handler)
{
    activeHandler = handler != nullptr ? handler : writeToStandardError;
}

void showMessage(std::string_view caption, std::string_view text)
{
    activeHandler(std::string(caption).c_str(), std::string(text).c_str());
}

void showRecordFailure(std::string_view text)
{
    showMessage(caption::kRecordFailure, text);
}

} // namespace strandel
