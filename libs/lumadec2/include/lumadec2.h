/*
 * lumadec2: cuts a georeferenced window out of a Lumawave image at a suitable
 * resolution level and writes it as a BMP file.
 *
 * Strings are passed by reference: each path argument is the address of a
 * pointer to a NUL-terminated path.
 *
 * Both functions return 1 on success and 0 on any failure (an unreadable or
 * damaged image, a file of a newer format version, a BMP that cannot be
 * written, a null argument). On failure the reason is written to the standard
 * error stream as one line beginning "lumadec2: ". Nothing is thrown into the
 * caller.
 *
 * The functions must not be entered by two calls at once.
 */
#ifndef LUMADEC2_H
#define LUMADEC2_H

#include <stdint.h>

#if defined(_WIN32)
#define LUMADEC2_CALL __stdcall
#define LUMADEC2_EXPORT __declspec(dllexport)
#else
#define LUMADEC2_CALL
#define LUMADEC2_EXPORT __attribute__((visibility("default")))
#endif

#define LUMADEC2_SUCCESS 1
#define LUMADEC2_FAILURE 0

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Stores the full-resolution width and height of the image, in pixels.
 */
LUMADEC2_EXPORT int32_t LUMADEC2_CALL GetLumawaveTab(double* width, double* height, const char* const* imagePath);

/*
 * Writes the part of the image inside the map rectangle (west, north, east,
 * south; map units, north up) to a BMP file, at the coarsest resolution level
 * whose ground resolution is still at least as fine as wantedRes. On return
 * the four bounds hold the rectangle clipped to the image.
 *
 * The georeference comes from the image's metadata, overridden by a world
 * file beside it (same name, extension "QRW"). An image with neither is taken
 * in pixel units: resolution 1, upper-left corner at map (0, height), so that
 * map x counts columns and rows count downward from the north edge.
 */
LUMADEC2_EXPORT int32_t LUMADEC2_CALL GetLumawave(double wantedRes, double* west, double* north, double* east,
                                                  double* south, const char* const* imagePath,
                                                  const char* const* bmpPath);

#ifdef __cplusplus
}
#endif

#endif
