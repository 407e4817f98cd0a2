#pragma once
// A reference-counted pointer whose count lives in an int of its own, so an
// item handed from the DFU library's thread to the user-interface thread is
// destroyed by whichever side lets go of it last. The second parameter only
// tells instantiations apart.

#include <new>
#include <utility>

template <class T, int Tag = 0> class SmartPtr {
public:
    SmartPtr() = default;
    // Takes the item; a null item makes an empty pointer. When the count
    // cannot be allocated the item is destroyed and the pointer stays empty.
    explicit SmartPtr(T* item)
    {
        if (item == nullptr)
            return;
        m_count = new (std::nothrow) int(1);
        if (m_count == nullptr) {
            delete item;
            return;
        }
        m_item = item;
    }
    SmartPtr(const SmartPtr& other) : m_item(other.m_item), m_count(other.m_count)
    {
        if (m_count != nullptr)
            ++*m_count;
    }
    SmartPtr(SmartPtr&& other) noexcept
        : m_item(std::exchange(other.m_item, nullptr)), m_count(std::exchange(other.m_count, nullptr))
    {}
    SmartPtr& operator=(SmartPtr other) noexcept
    {
        std::swap(m_item, other.m_item);
        std::swap(m_count, other.m_count);
        return *this;
    }
    ~SmartPtr() { Release(); }

    void Release()
    {
        if (m_count != nullptr && --*m_count == 0) {
            delete m_item;
            delete m_count;
        }
        m_item = nullptr;
        m_count = nullptr;
    }

    T* Get() const { return m_item; }
    T* operator->() const { return m_item; }
    T& operator*() const { return *m_item; }
    explicit operator bool() const { return m_item != nullptr; }
    // How many pointers share the item; 0 for an empty pointer.
    int UseCount() const { return m_count != nullptr ? *m_count : 0; }

private:
    T* m_item = nullptr;
    int* m_count = nullptr;
};
