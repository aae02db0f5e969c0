#include "Actions/KeyFrameFile.h"

#include <fstream>
#include <locale>

namespace {

constexpr int kJointRows = 22;
constexpr int kStartRow = 22;
constexpr int kEndRow = 23;
constexpr int kTableRows = 24;
constexpr double kNotDriven = -1000.0;

} // namespace

std::string KeyFrameFile::read(const std::string& path, Action::KeyFrameTable& table)
{
    table.clear();
    std::ifstream in(path);
    if (!in) return "cannot be read";
    in.imbue(std::locale::classic());
    int rows = 0;
    std::size_t frames = 0;
    std::string fault = readHeader(in, rows, frames);
    if (!fault.empty()) return fault;
    table.assign(kTableRows, std::vector<double>());
    if (!readNumbers(in, 1, nullptr) || !readNumbers(in, frames, &table[kStartRow]) ||
        !readNumbers(in, 1, nullptr) || !readNumbers(in, frames, &table[kEndRow]))
    {
        table.clear();
        return "ends inside the time rows";
    }
    for (int j = 0; j < kJointRows; ++j) table[j].assign(frames, kNotDriven);
    return readJointRows(in, rows - 2, table);
}

std::string KeyFrameFile::readHeader(std::istream& in, int& rows, std::size_t& frames)
{
    int maxi = 0, maxj = 0;
    if (!(in >> maxi >> maxj)) return "has no header of two integers";
    if (maxi < 2 || maxj < 2 || maxj - 1 > kMaxFrames)
        return "has a bad header (" + std::to_string(maxi) + " rows of " + std::to_string(maxj) + " columns)";
    rows = maxi;
    frames = static_cast<std::size_t>(maxj - 1);
    return "";
}

std::string KeyFrameFile::readJointRows(std::istream& in, int count, Action::KeyFrameTable& table)
{
    std::string fault;
    const std::size_t frames = table[kStartRow].size();
    for (int r = 0; r < count; ++r)
    {
        int number = 0;
        if (!(in >> number))
        {
            table.clear();
            return "ends before joint row " + std::to_string(r + 1);
        }
        const bool valid = number >= 1 && number <= kJointRows;
        if (!valid && fault.empty())
            fault = "has joint number " + std::to_string(number) + " outside 1..22; its row is skipped";
        if (!readNumbers(in, frames, valid ? &table[number - 1] : nullptr))
        {
            table.clear();
            return "ends inside joint row " + std::to_string(r + 1);
        }
    }
    return fault;
}

bool KeyFrameFile::readNumbers(std::istream& in, std::size_t count, std::vector<double>* row)
{
    if (row) row->assign(count, kNotDriven);
    double value = 0.0;
    for (std::size_t k = 0; k < count; ++k)
    {
        if (!(in >> value)) return false;
        if (row) (*row)[k] = value;
    }
    return true;
}
