#include "firmware/ImageFileView.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "firmware/FirmwareFiles.h"

namespace {

// Only the tests and the benchmark run here; a file cut while it is mapped
// would end them, which the Windows view rules out.
class PosixView : public ImageFileView {
public:
    PosixView(void* data, std::size_t size) : m_data(data), m_size(size) {}
    ~PosixView() override
    {
        if (m_data)
            munmap(m_data, m_size);
    }
    const std::uint8_t* Data() const override { return static_cast<const std::uint8_t*>(m_data); }
    std::size_t Size() const override { return m_size; }

private:
    void* m_data;
    std::size_t m_size;
};

} // namespace

std::unique_ptr<ImageFileView> ImageFileView::Open(const std::wstring& path, Status& status)
{
    const int file = open(Utf8Path(path).c_str(), O_RDONLY);
    if (file < 0) {
        status = Status::kCannotOpen;
        return nullptr;
    }
    struct stat facts {};
    if (fstat(file, &facts) != 0 || !S_ISREG(facts.st_mode)) {
        close(file);
        status = Status::kCannotOpen;
        return nullptr;
    }
    const std::size_t size = static_cast<std::size_t>(facts.st_size);
    void* data = nullptr;
    if (size > 0) {
        int flags = MAP_PRIVATE;
#ifdef MAP_POPULATE
        flags |= MAP_POPULATE;
#endif
        data = mmap(nullptr, size, PROT_READ, flags, file, 0);
        if (data == MAP_FAILED) {
            close(file);
            status = Status::kNoMemory;
            return nullptr;
        }
    }
    close(file);
    status = Status::kOpened;
    return std::unique_ptr<ImageFileView>(new PosixView(data, size));
}
