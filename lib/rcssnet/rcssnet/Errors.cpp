#include "rcssnet/Errors.h"

#include <cstring>

namespace rcss::net {

std::string errnoText(int err)
{
    char buf[256];
    // The GNU strerror_r returns the text, which need not be in buf.
    return strerror_r(err, buf, sizeof buf);
}

} // namespace rcss::net
