#include "Actions/MotionFiles.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>

namespace MotionFiles {

namespace {

// Reads up to count number tokens; stops at the first bad one.
std::string readTokens(const std::string& path, std::size_t count, std::vector<std::string>& tokens)
{
    tokens.clear();
    tokens.reserve(count);
    std::ifstream in(path);
    if (!in) return "cannot be read; every joint it drives holds still";
    std::string token;
    while (tokens.size() < count && in >> token)
    {
        if (!isNumberToken(token))
            return "has token " + std::to_string(tokens.size() + 1) + " (" + token +
                   ") that is not a number; it and the rest read as 0";
        tokens.push_back(token);
    }
    if (tokens.size() < count)
        return "holds " + std::to_string(tokens.size()) + " of " + std::to_string(count) +
               " numbers; the rest read as 0";
    return "";
}

std::string tooLong(std::size_t lineNumber, std::size_t maxLength)
{
    return "has line " + std::to_string(lineNumber) + " longer than " + std::to_string(maxLength) +
           " characters; reading stopped there";
}

} // namespace

void report(const std::string& path, const std::string& fault)
{
    if (!fault.empty()) std::cerr << "motion file " << path << " " << fault << std::endl;
}

bool isNumberToken(const std::string& token, double* value)
{
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+')
    {
        ++first;
        if (first == last || *first == '-') return false;
    }
    double parsed = 0.0;
    const auto res = std::from_chars(first, last, parsed, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(parsed)) return false;
    if (value) *value = parsed;
    return true;
}

std::string readNumbers(const std::string& path, std::size_t count, std::vector<double>& numbers)
{
    std::vector<std::string> tokens;
    const std::string fault = readTokens(path, count, tokens);
    numbers.assign(count, 0.0);
    for (std::size_t i = 0; i < tokens.size(); ++i) isNumberToken(tokens[i], &numbers[i]);
    return fault;
}

std::string readNumberTokens(const std::string& path, std::size_t count, std::vector<std::string>& tokens)
{
    const std::string fault = readTokens(path, count, tokens);
    tokens.resize(count, "0");
    return fault;
}

std::string readCommandLines(const std::string& path, std::size_t maxLines, std::size_t maxLength,
                             std::vector<std::string>& lines)
{
    lines.clear();
    std::ifstream in(path);
    if (!in) return "cannot be read; no stored line is sent";
    // Room for one character too many and a carriage return: a longer line fails the read.
    std::vector<char> buf(maxLength + 3);
    for (std::size_t lineNumber = 1;; ++lineNumber)
    {
        if (!in.getline(buf.data(), static_cast<std::streamsize>(buf.size())))
            return in.eof() ? "" : tooLong(lineNumber, maxLength);
        std::size_t length = static_cast<std::size_t>(in.gcount()) - (in.eof() ? 0 : 1);
        if (length > 0 && buf[length - 1] == '\r') --length;
        if (length > maxLength) return tooLong(lineNumber, maxLength);
        if (length == 0 || buf[0] != '(') continue;
        if (lines.size() == maxLines)
            return "holds more than " + std::to_string(maxLines) + " command lines; line " +
                   std::to_string(lineNumber) + " and the rest are ignored";
        lines.emplace_back(buf.data(), length);
    }
}

} // namespace MotionFiles
