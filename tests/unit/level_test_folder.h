#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

/// A fresh temporary folder for one test, removed with everything in it when
/// the test ends.
class TestFolder {
public:
    TestFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tangloop-test-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TestFolder()
    {
        std::error_code ec;
        if (!root_.empty()) std::filesystem::remove_all(root_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& root() const { return root_; }
    std::string path(const std::string& name) const { return root_ + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

private:
    std::string root_;
};
