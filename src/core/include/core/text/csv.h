// SPDX-License-Identifier: MIT
// Comma-separated values as RFC 4180 has them, for spreadsheets and scripts:
// rows ended by CR LF, a field in double quotes when it holds a comma, a
// quote (doubled inside) or a line end, numbers with a decimal point whatever
// the process locale.
#pragma once

#include <string>
#include <vector>

// One field as RFC 4180 writes it.
std::string CsvField(const std::string& text);

// Fixed decimals; "inf" and "-inf" for the infinities, an empty field for NaN.
std::string CsvNumber(double value, int decimals);

// The fields joined by commas, with the CR LF that ends the row.
std::string CsvRow(const std::vector<std::string>& fields);
