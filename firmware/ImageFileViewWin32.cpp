#include "firmware/ImageFileView.h"

#include <windows.h>

namespace {

class Win32View : public ImageFileView {
public:
    Win32View(HANDLE file, HANDLE mapping, const void* data, std::size_t size)
        : m_file(file), m_mapping(mapping), m_data(data), m_size(size)
    {}
    ~Win32View() override
    {
        if (m_data)
            UnmapViewOfFile(m_data);
        if (m_mapping)
            CloseHandle(m_mapping);
        CloseHandle(m_file);
    }
    const std::uint8_t* Data() const override { return static_cast<const std::uint8_t*>(m_data); }
    std::size_t Size() const override { return m_size; }

private:
    HANDLE m_file; // kept open without write sharing for as long as the view lasts
    HANDLE m_mapping;
    const void* m_data;
    std::size_t m_size;
};

} // namespace

std::unique_ptr<ImageFileView> ImageFileView::Open(const std::wstring& path, Status& status)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        status = Status::kCannotOpen;
        return nullptr;
    }
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file, &length) || length.QuadPart < 0) {
        CloseHandle(file);
        status = Status::kCannotOpen;
        return nullptr;
    }
    if (static_cast<unsigned long long>(length.QuadPart) > static_cast<SIZE_T>(-1)) {
        CloseHandle(file);
        status = Status::kNoMemory;
        return nullptr;
    }
    const std::size_t size = static_cast<std::size_t>(length.QuadPart);
    if (size == 0) {
        status = Status::kOpened;
        return std::unique_ptr<ImageFileView>(new Win32View(file, nullptr, nullptr, 0));
    }
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const void* data = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (!data) {
        if (mapping)
            CloseHandle(mapping);
        CloseHandle(file);
        status = Status::kNoMemory;
        return nullptr;
    }
    status = Status::kOpened;
    return std::unique_ptr<ImageFileView>(new Win32View(file, mapping, data, size));
}
