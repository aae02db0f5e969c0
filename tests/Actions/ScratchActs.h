#ifndef SCRATCHACTS_H
#define SCRATCHACTS_H

// A scratch motion folder for one test: files written into it are read by
// the motions under test; the folder is removed with the object.

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

class ScratchActs
{
public:
    ScratchActs()
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '-';
        mDir = std::filesystem::path(testing::TempDir()) /
               ("rovan-acts-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(mDir);
        std::filesystem::create_directories(mDir);
    }
    ~ScratchActs()
    {
        std::error_code ignored;
        std::filesystem::remove_all(mDir, ignored);
    }
    ScratchActs(const ScratchActs&) = delete;
    ScratchActs& operator=(const ScratchActs&) = delete;

    // The folder, ending with '/'.
    std::string dir() const { return mDir.string() + "/"; }
    std::string path(const std::string& name) const { return dir() + name; }
    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream out(mDir / name, std::ios::binary);
        out << text;
    }

private:
    std::filesystem::path mDir;
};

#endif
