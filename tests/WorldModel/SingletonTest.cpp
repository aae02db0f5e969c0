#include <gtest/gtest.h>

#include "WorldModel/Singleton.h"

namespace {

// Records what its destructor sees of the singleton's pointer.
class Probe : public Singleton<Probe>
{
public:
    ~Probe() { handleSeenByDestructor = handleT; }
    static inline const Probe* handleSeenByDestructor = nullptr;
};

TEST(Singleton, DeleteForgetsTheInstanceBeforeDestroyingIt)
{
    Probe* first = Probe::instance();
    EXPECT_EQ(Probe::instance(), first);
    Probe::handleSeenByDestructor = first;
    Probe::deleteT();
    EXPECT_EQ(Probe::handleSeenByDestructor, nullptr);
    Probe::deleteT();  // nothing left to delete
    Probe* second = Probe::instance();
    EXPECT_NE(second, nullptr);
    Probe::deleteT();
}

} // namespace
