// Comma-separated values as RFC 4180 has them, for spreadsheets and scripts:
// rows ended by CR LF, text fields in double quotes (a quote inside doubled),
// numbers with a decimal point whatever the process locale.
#pragma once

#include <string>
#include <vector>

std::string CsvText(const std::string& text);

// Fixed decimals; "inf" and "-inf" for the infinities, an empty field for NaN.
std::string CsvNumber(double value, int decimals);

// The fields joined by commas, with the CR LF that ends the row.
std::string CsvRow(const std::vector<std::string>& fields);
