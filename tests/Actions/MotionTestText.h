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

// fix(): every joint at speed 0, in joint order, written out independently
// of the code under test.
inline std::string fixText()
{
    static const char* const kEffectors[22] = {"he1",  "he2",  "lle1", "rle1", "lle2", "rle2", "lle3", "rle3",
                                               "lle4", "rle4", "lle5", "rle5", "lle6", "rle6", "lae1", "rae1",
                                               "lae2", "rae2", "lae3", "rae3", "lae4", "rae4"};
    std::string out;
    for (const char* name : kEffectors) out += std::string("(") + name + " 0)";
    return out;
}

// The number of joint commands in a cycle's text.
inline int commandCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '('));
}

// A faulty file is reported with exactly one line that names it.
inline void expectReportedOnce(const std::string& err, const std::string& path)
{
    EXPECT_NE(err.find(path), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

#endif
