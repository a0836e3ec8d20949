// SPDX-License-Identifier: MIT
// Whole small files read and replaced so that no odd file can freeze the
// program or lose what it holds. Only regular files are read, never blocking
// on a FIFO or a device and never past a size limit. A file is replaced
// through a temporary file beside it, keeping its mode and, where the system
// permits, its owner and group; when only the file itself can be written
// (its folder cannot), it is rewritten in place.
//
// Failures come back as the reason, in the system's own words where it has
// them ("Permission denied"); an empty string means success.
#pragma once

#include <cstddef>
#include <string>

// Reads the regular file at path, of at most limit bytes, into *text.
// *missing tells that nothing exists at path at all, the one failure that is
// no fault of the file.
std::string ReadWholeFile(const std::string& path, std::size_t limit, std::string* text,
                          bool* missing);

// The file path names once the symbolic links at its end are followed; a
// link that leads to nothing yet gives the path where that file would be.
std::string FollowLinks(const std::string& path);

// Whether ReplaceWholeFile could begin at path (links already followed):
// nothing there yet, or a regular file that may be written. Opens nothing,
// so that a FIFO or a device is refused before anything waits on it.
std::string CheckReplaceable(const std::string& path);

// Replaces the content of the file at path (links already followed) with
// text, or creates it. A failure before the new text is complete leaves the
// previous file as it was, except after an in-place rewrite had to begin.
// INT, TERM and HUP are held back meanwhile, so that they cannot leave part
// of a file behind.
std::string ReplaceWholeFile(const std::string& path, const std::string& text);
