#pragma once

#include <string>
#include <vector>

// Writes the lines as a CSV file, fields quoted where they need it (csvField),
// every line ending in CR LF. Whole or not at all: on false error says why, and
// whatever stood under the name is untouched.
bool writeCsvTable(const std::string &path, const std::vector<std::vector<std::string>> &lines, std::string &error);
