#ifndef SINGLETON_H
#define SINGLETON_H

// Process-wide single instance, created on first use. deleteT() forgets the
// instance before destroying it, so a destructor that reaches instance()
// again cannot see a dangling pointer.
template <class T>
class Singleton
{
public:
    static T* instance()
    {
        if (handleT == nullptr) handleT = new T();
        return handleT;
    }

    static void deleteT()
    {
        T* old = handleT;
        handleT = nullptr;
        delete old;
    }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

protected:
    Singleton() = default;
    ~Singleton() = default;

    static inline T* handleT = nullptr;
};

#endif
