// printf into a std::string of whatever length the text needs.
#pragma once

#include <string>

std::string TextFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
