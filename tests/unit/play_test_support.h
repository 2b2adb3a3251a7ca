#pragma once

// Helpers shared by the play and game-data tests: the scratch folder of
// level_test_folder.h, and whole-file reads and writes by path.

#include <fstream>
#include <iterator>
#include <string>

#include "level_test_folder.h"

inline void writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
