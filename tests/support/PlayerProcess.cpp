#include "support/PlayerProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

std::string tempPath(const char* what)
{
    std::string name = std::string("/tmp/rovan-") + what + "-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) throw std::runtime_error("mkstemp");
    ::close(fd);
    return name;
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> builtCommand(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::string> command{std::string(ROVAN_BINARY_DIR) + "/" + program};
    command.insert(command.end(), args.begin(), args.end());
    return command;
}

} // namespace

PlayerProcess::PlayerProcess(const std::string& program, const std::vector<std::string>& args)
    : PlayerProcess(builtCommand(program, args))
{
}

PlayerProcess::PlayerProcess(const std::vector<std::string>& command)
    : mOutPath(tempPath("out")), mErrPath(tempPath("err"))
{
    const std::string& path = command.at(0);
    std::vector<char*> argv;
    for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, mOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, mErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, ROVAN_SOURCE_DIR);
    const int rc = posix_spawn(&mPid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + path);
}

PlayerProcess::~PlayerProcess()
{
    if (!mEnded && mPid > 0)
    {
        ::kill(mPid, SIGKILL);
        ::waitpid(mPid, nullptr, 0);
    }
    std::remove(mOutPath.c_str());
    std::remove(mErrPath.c_str());
}

int PlayerProcess::wait(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (::waitpid(mPid, &status, WNOHANG) == 0)
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            ::kill(mPid, SIGKILL);
            ::waitpid(mPid, nullptr, 0);
            mEnded = true;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    mEnded = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string PlayerProcess::out() const { return slurp(mOutPath); }
std::string PlayerProcess::err() const { return slurp(mErrPath); }
