// The library's message boxes. There is no window to show them in, so every message
// goes through one replaceable handler (by default: caption and text to standard error).
#pragma once

#include "strandel32.h"

#include <string_view>

namespace strandel {

namespace caption {
inline constexpr std::string_view kConnectPolylines = "ConnectPolylines";
inline constexpr std::string_view kRecordFailure = "Connect Polylines";
inline constexpr std::string_view kNoFile = "No File";
} // namespace caption

namespace message {
inline constexpr std::string_view kNoFileGiven = "No data set or list file was named.";
inline constexpr std::string_view kCannotOpenFile = "Cannot Open File ";
inline constexpr std::string_view kCannotGetFileSize = "Cannot Get Files Size ";
inline constexpr std::string_view kCannotAllocateMemory = "Cannot Allocate Memory";
inline constexpr std::string_view kCannotReadFile = "Cannot Read File ";
inline constexpr std::string_view kNoTopology = "No topology.";
inline constexpr std::string_view kUnknownFileType = "Unknown File Type:  ";
inline constexpr std::string_view kFileNotFound = "File Not Found:  ";
inline constexpr std::string_view kUnableToRead = "Unable To Read:  ";
inline constexpr std::string_view kCannotOpenForWriting = "Cannot Open File for Writing: ";
inline constexpr std::string_view kZeroLengthSegment = "Zero length segment: Please thin file and retry";
inline constexpr std::string_view kFailedPolyline = "Failed to read Polyline.";
inline constexpr std::string_view kFailedEndRecord = "Failed to read EndRecord.";
inline constexpr std::string_view kFailedSortedEnds = "Failed to read ENDREC.";
inline constexpr std::string_view kFailedKnotInit = "Failed to init. Knot.";
inline constexpr std::string_view kFailedExtentInKnot = "Failed to read Strext.";
inline constexpr std::string_view kFailedExtentInWriteBack = "Failed to read STREXT.";
inline constexpr std::string_view kUnexpectedEndOfFile = "Unexpected end of file.\n";
} // namespace message

void setMessageBoxHandler(StrandelMessageBoxHandler handler);

void showMessage(std::string_view caption, std::string_view text);

// A failed read or creation of a record: the step goes on without that record.
void showRecordFailure(std::string_view text);

} // namespace strandel
