#include "WorldModel/Types.h"

int main()
{
    Types::instance();
    return 0;
}
