#ifndef PLAYERPROCESS_H
#define PLAYERPROCESS_H

#include <chrono>
#include <string>
#include <vector>

// One run of a player program in the repository root, with its standard
// output and error captured in files.
class PlayerProcess
{
public:
    // program is the file name under the build folder ("rovan", ...).
    PlayerProcess(const std::string& program, const std::vector<std::string>& args);
    // Any program: command[0] is its full path, the rest its arguments.
    explicit PlayerProcess(const std::vector<std::string>& command);
    ~PlayerProcess();
    PlayerProcess(const PlayerProcess&) = delete;
    PlayerProcess& operator=(const PlayerProcess&) = delete;

    int pid() const { return mPid; }

    // Exit status, or -1 when it did not end within timeout (it is killed then).
    int wait(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::string out() const;
    std::string err() const;

private:
    int mPid = -1;
    std::string mOutPath, mErrPath;
    bool mEnded = false;
};

#endif
