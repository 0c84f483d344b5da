/* strandel32 - polyline topology of line data sets.
 *
 * ConnectPolylines joins the polyline ends of a line data set (type A ".GCH" or
 * type B ".UC" header with its record files) that lie within a tolerance of one
 * another into knots, snaps the ends onto them, links every end to the next end
 * counter-clockwise around its knot, writes the knot file and rewrites the header.
 */
#ifndef STRANDEL32_H
#define STRANDEL32_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define STRANDEL32_API __attribute__((visibility("default")))

/* name: a header file, or a list file of header files (one a line, each cut at its
 * first comma), optionally followed by a comma and the directory the data sets lie in.
 * Writes the number of knots made (over all data sets) to *knotCount and one line per
 * data problem to logFile. Returns 1 on success, 0 on failure (after a message box).
 * Never writes into name or logFile. Calls must not overlap. */
STRANDEL32_API int32_t ConnectPolylines(const char* name, float tolerance, int32_t* knotCount, const char* logFile);

/* Receives every message box of the library (caption, text). */
typedef void (*StrandelMessageBoxHandler)(const char* caption, const char* text);

/* Routes the message boxes to handler; NULL restores the default, which writes
 * caption and text to standard error. */
STRANDEL32_API void SetMessageBoxHandler(StrandelMessageBoxHandler handler);

#ifdef __cplusplus
}
#endif

#endif
