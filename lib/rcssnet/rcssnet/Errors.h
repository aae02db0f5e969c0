#ifndef RCSSNET_ERRORS_H
#define RCSSNET_ERRORS_H

// Failures of the socket layer. what() carries the system's reason.

#include <stdexcept>
#include <string>

namespace rcss::net {

class NetError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// socket() failed.
class OpenErr : public NetError
{
public:
    using NetError::NetError;
};

// A host name that does not resolve to an IPv4 address.
class HostNotFound : public NetError
{
public:
    using NetError::NetError;
};

class BindErr : public NetError
{
public:
    using NetError::NetError;
};

class ConnectErr : public NetError
{
public:
    using NetError::NetError;
};

// The text of errno, as strerror gives it.
std::string errnoText(int err);

} // namespace rcss::net

#endif
