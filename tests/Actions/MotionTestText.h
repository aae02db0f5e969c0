#ifndef MOTIONTESTTEXT_H
#define MOTIONTESTTEXT_H

// Helpers for the tests of the file-driven motions.

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "ScratchActs.h"

// The number commanded to one effector in a cycle's text; "<none>" if absent.
inline std::string speedOf(const std::string& text, const std::string& effector)
{
    const std::string key = "(" + effector + " ";
    const std::size_t at = text.find(key);
    if (at == std::string::npos) return "<none>";
    const std::size_t from = at + key.size();
    return text.substr(from, text.find(')', from) - from);
}

// Writes text as acts/file (nullptr: no file), then builds the motion from
// args; what the building printed on standard error goes to err.
template <class Motion, class... Args>
std::unique_ptr<Motion> buildFromFile(const ScratchActs& acts, const std::string& file, const char* text,
                                      std::string& err, Args&&... args)
{
    if (text) acts.write(file, text);
    testing::internal::CaptureStderr();
    auto motion = std::make_unique<Motion>(std::forward<Args>(args)...);
    err = testing::internal::GetCapturedStderr();
    return motion;
}

// A faulty file is reported with exactly one line that names it.
inline void expectReportedOnce(const std::string& err, const std::string& path)
{
    EXPECT_NE(err.find(path), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

#endif
