// SPDX-License-Identifier: MIT
// Small files replaced whole so that no odd file can freeze the program or
// lose what it holds. A file is replaced through a temporary file beside it,
// keeping its mode and, where the system permits, its owner and group; when
// only the file itself can be written (its folder cannot), it is rewritten
// in place.
//
// Failures come back as the reason, in the system's own words where it has
// them ("Permission denied"); an empty string means success.
#pragma once

#include <string>

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
