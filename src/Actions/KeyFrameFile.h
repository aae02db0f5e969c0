#ifndef KEYFRAMEFILE_H
#define KEYFRAMEFILE_H

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "Actions/Action.h"

// Reader of key-frame motion files (whitespace-separated numbers): maxi, the
// number of rows that follow, and maxj, the columns of each row; a start-time
// row and an end-time row, each a dropped number and then maxj - 1 times;
// then maxi - 2 joint rows, each a joint number 1..22 (JointID + 1) and one
// target angle per frame (-1000: not driven).
class KeyFrameFile
{
public:
    static constexpr int kMaxFrames = 3000;

    // Fills table with 24 rows of one value per frame. Returns "" for a sound
    // file, else the first fault found: a missing or malformed file leaves
    // table empty; a joint row with a number outside 1..22 is skipped.
    static std::string read(const std::string& path, Action::KeyFrameTable& table);

private:
    static std::string readHeader(std::istream& in, int& rows, std::size_t& frames);
    static std::string readJointRows(std::istream& in, int count, Action::KeyFrameTable& table);
    // Reads count numbers into row (nullptr: drops them); false if one is missing.
    static bool readNumbers(std::istream& in, std::size_t count, std::vector<double>* row);
};

#endif
