#ifndef MOTIONFILES_H
#define MOTIONFILES_H

// Readers of the motion files that hold plain numbers or command lines, and
// the one-line report of a faulty motion file. Each reader reads once, never
// past its bound, and returns "" for a sound file or the fault found.

#include <cstddef>
#include <string>
#include <vector>

namespace MotionFiles {

// Prints "motion file <path> <fault>" on standard error; nothing for "".
void report(const std::string& path, const std::string& fault);

// Exactly count numbers: the file's whitespace-separated numbers in order,
// up to the first token that is not a finite decimal number; whatever is
// missing reads as 0 (a zero speed holds the joint). Numbers after the
// first count are ignored.
std::string readNumbers(const std::string& path, std::size_t count, std::vector<double>& numbers);

// As readNumbers, but each number is kept as the characters written in the
// file; missing ones read as "0".
std::string readNumberTokens(const std::string& path, std::size_t count, std::vector<std::string>& tokens);

// The lines that begin with '(', in file order, without their line break
// (a trailing carriage return is dropped too). Reading stops at the first
// line longer than maxLength characters and after maxLines stored lines.
std::string readCommandLines(const std::string& path, std::size_t maxLines, std::size_t maxLength,
                             std::vector<std::string>& lines);

// True when token is a whole finite decimal number ("1", "-0.000", "+2.5e-3").
bool isNumberToken(const std::string& token, double* value = nullptr);

} // namespace MotionFiles

#endif
