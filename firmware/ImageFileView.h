#pragma once
// A firmware image file seen whole, read-only, as one block of memory that
// lasts as long as the view. The system maps the file instead of copying it,
// and on Windows the file stays open without write sharing, so no other
// program can change or cut the image between its check and its transfer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class ImageFileView {
public:
    enum class Status {
        kOpened,
        kCannotOpen,
        kNoMemory, // the file could not be mapped (too large for the address space)
    };

    virtual ~ImageFileView() = default;
    // nullptr for an empty file.
    virtual const std::uint8_t* Data() const = 0;
    virtual std::size_t Size() const = 0;

    // nullptr and the reason when the file cannot be seen whole.
    static std::unique_ptr<ImageFileView> Open(const std::wstring& path, Status& status);
};
