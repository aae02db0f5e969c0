#ifndef KICKTESTTEXT_H
#define KICKTESTTEXT_H

// Expected command texts, written out independently of the code under test.

#include <algorithm>
#include <string>

namespace KickTestText {

inline const char* const kEffectors[22] = {"he1",  "he2",  "lle1", "rle1", "lle2", "rle2", "lle3", "rle3",
                                           "lle4", "rle4", "lle5", "rle5", "lle6", "rle6", "lae1", "rae1",
                                           "lae2", "rae2", "lae3", "rae3", "lae4", "rae4"};

// fix(): every joint at speed 0, in joint order.
inline std::string fixText()
{
    std::string out;
    for (const char* name : kEffectors) out += std::string("(") + name + " 0)";
    return out;
}

inline int commandCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '(')); }

} // namespace KickTestText

#endif
