#pragma once
// A record that more than one thread reads and writes. Only the thread that
// made a window touches it; a worker thread instead writes a guarded record
// and posts a message, and the window's thread reads the record back. Every
// access goes through the lock: Lock() hands out an accessor that holds it for
// as long as the accessor lives (to the end of the statement when used as
// record.Lock()->m_state = 3), and Snapshot() copies the record under it for a
// reader that must not hold the lock while it paints or waits.
//
// No code holds two of these locks at once, and no code waits for a window or
// a message while it holds one.

#include <mutex>
#include <utility>

template <typename T> class GuardedRecord {
public:
    // The record under the lock; movable, so it can be returned. R is T, or
    // const T for a reader that holds the record as const.
    template <typename R> class BasicAccess {
    public:
        R* operator->() const { return m_record; }
        R& operator*() const& { return *m_record; }
        R& operator*() const&& = delete;

    private:
        friend class GuardedRecord;
        BasicAccess(std::mutex& mutex, R& record) : m_lock(mutex), m_record(&record) {}
        std::unique_lock<std::mutex> m_lock;
        R* m_record;
    };
    using Access = BasicAccess<T>;
    using ConstAccess = BasicAccess<const T>;

    template <typename... Args> explicit GuardedRecord(Args&&... args) : m_record(std::forward<Args>(args)...) {}
    GuardedRecord(const GuardedRecord&) = delete;
    GuardedRecord& operator=(const GuardedRecord&) = delete;

    Access Lock() { return Access(m_mutex, m_record); }
    ConstAccess Lock() const { return ConstAccess(m_mutex, m_record); }

    // A copy of the whole record taken under the lock (for copyable records).
    T Snapshot() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_record;
    }

    // Runs reader or writer on the record under the lock and returns its result.
    template <typename Function> auto With(Function&& function)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return std::forward<Function>(function)(m_record);
    }

private:
    mutable std::mutex m_mutex;
    T m_record;
};
