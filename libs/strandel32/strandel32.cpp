// The exported C functions. Nothing may escape to the host: a failure that the steps
// do not report themselves (memory exhausted) ends the call with a message and 0.
#include "strandel32.h"

#include "connect_polylines.h"
#include "messages.h"

#include <new>

extern "C" {

int32_t ConnectPolylines(const char* name, float tolerance, int32_t* knotCount, const char* logFile)
{
    try {
        return strandel::connectPolylines(name, tolerance, knotCount, logFile);
    } catch (const std::bad_alloc&) {
        strandel::showMessage(strandel::caption::kConnectPolylines, strandel::message::kCannotAllocateMemory);
    } catch (...) {
        strandel::showMessage(strandel::caption::kConnectPolylines, strandel::message::kNoTopology);
    }
    return 0;
}

void SetMessageBoxHandler(StrandelMessageBoxHandler handler)
{
    strandel::setMessageBoxHandler(handler);
}

} // extern "C"
