#ifndef KICKFILES_H
#define KICKFILES_H

// Readers of the kick motion files. Each reads once, at start-up, never past
// its bound, and reports a missing or malformed file with one line on
// standard error that names it.

#include <cstddef>
#include <string>
#include <vector>

namespace KickFiles {

// Exactly count numbers: the file's whitespace-separated numbers in order,
// up to the first token that is not a finite decimal number; whatever is
// missing reads as 0 (a zero speed holds the joint). Numbers after the
// first count are ignored.
std::vector<double> readNumbers(const std::string& path, std::size_t count);

// As readNumbers, but each number is kept as the characters written in the
// file; missing ones read as "0".
std::vector<std::string> readNumberTokens(const std::string& path, std::size_t count);

// The lines that begin with '(', in file order, without their line break
// (a trailing carriage return is dropped too). Reading stops at the first
// line longer than maxLength characters and after maxLines stored lines.
std::vector<std::string> readCommandLines(const std::string& path, std::size_t maxLines, std::size_t maxLength);

// True when token is a whole finite decimal number ("1", "-0.000", "+2.5e-3").
bool isNumberToken(const std::string& token, double* value = nullptr);

} // namespace KickFiles

#endif
