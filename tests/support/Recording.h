#ifndef TESTS_SUPPORT_RECORDING_H
#define TESTS_SUPPORT_RECORDING_H

// The recorded server messages under tests/fixtures/perception: one message
// per line, exactly as received.

#include <fstream>
#include <string>
#include <vector>

inline std::string recordingPath(const std::string& name)
{
    return std::string(ROVAN_FIXTURE_DIR) + "/perception/" + name + ".txt";
}

// The messages of one recording; empty when the file cannot be read.
inline std::vector<std::string> readRecording(const std::string& name)
{
    std::ifstream in(recordingPath(name));
    std::vector<std::string> messages;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) messages.push_back(line);
    return messages;
}

#endif
