#include "Actions/KickFiles.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>

namespace KickFiles {

namespace {

// Reads up to count number tokens; reports and stops at the first bad one.
std::vector<std::string> readTokens(const std::string& path, std::size_t count)
{
    std::vector<std::string> tokens;
    tokens.reserve(count);
    std::ifstream in(path);
    if (!in)
    {
        std::cerr << "cannot read motion file " << path << "; it holds every joint still" << std::endl;
        return tokens;
    }
    std::string token;
    while (tokens.size() < count && in >> token)
    {
        if (!isNumberToken(token))
        {
            std::cerr << path << ": token " << tokens.size() + 1 << " (" << token
                      << ") is not a number; it and the rest read as 0" << std::endl;
            return tokens;
        }
        tokens.push_back(token);
    }
    if (tokens.size() < count)
        std::cerr << path << ": holds " << tokens.size() << " of " << count << " numbers; the rest read as 0"
                  << std::endl;
    return tokens;
}

} // namespace

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

std::vector<double> readNumbers(const std::string& path, std::size_t count)
{
    std::vector<double> numbers(count, 0.0);
    const std::vector<std::string> tokens = readTokens(path, count);
    for (std::size_t i = 0; i < tokens.size(); ++i) isNumberToken(tokens[i], &numbers[i]);
    return numbers;
}

std::vector<std::string> readNumberTokens(const std::string& path, std::size_t count)
{
    std::vector<std::string> tokens = readTokens(path, count);
    tokens.resize(count, "0");
    return tokens;
}

std::vector<std::string> readCommandLines(const std::string& path, std::size_t maxLines, std::size_t maxLength)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    if (!in)
    {
        std::cerr << "cannot read motion file " << path << "; the kick sends no stored lines" << std::endl;
        return lines;
    }
    std::string line;
    for (std::size_t lineNumber = 1; std::getline(in, line); ++lineNumber)
    {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > maxLength)
        {
            std::cerr << path << ": line " << lineNumber << " is longer than " << maxLength
                      << " characters; reading stops there" << std::endl;
            break;
        }
        if (line.empty() || line.front() != '(') continue;
        if (lines.size() == maxLines)
        {
            std::cerr << path << ": more than " << maxLines << " command lines; line " << lineNumber
                      << " and the rest are dropped" << std::endl;
            break;
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace KickFiles
