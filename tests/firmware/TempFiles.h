#pragma once
// A private folder for a test's files, removed with everything in it.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("quor-firmware-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::wstring File(const std::wstring& name) const { return (m_path / name).wstring(); }

    std::wstring Write(const std::wstring& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return File(name);
    }

    std::string Read(const std::wstring& name) const
    {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool Exists(const std::wstring& name) const { return std::filesystem::exists(m_path / name); }

private:
    std::filesystem::path m_path;
};
