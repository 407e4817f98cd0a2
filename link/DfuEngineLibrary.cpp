#include "link/DfuEngineLibrary.h"

DfuEngineLibrary::DfuEngineLibrary()
{
    DFUTransportUSB::init();
}

DfuEngineLibrary::~DfuEngineLibrary()
{
    DFUTransportUSB::deinit();
}

std::vector<std::wstring> DfuEngineLibrary::EnumerateDevices()
{
    CStringListX list;
    DFURequestsUSB::EnumerateDevices(list);
    std::vector<std::wstring> names;
    CStringListX::Position position = list.GetHeadPosition();
    while (static_cast<CStringX*>(position) != nullptr) {
        const CStringX& name = list.GetNext(position);
        names.emplace_back(static_cast<const wchar_t*>(name));
    }
    return names;
}

std::wstring DfuEngineLibrary::PathInternal(const std::wstring& name)
{
    const CStringX path = DFUTransportUSB::PathInternal(name.c_str());
    return std::wstring(static_cast<const wchar_t*>(path));
}

bool DfuEngineLibrary::ConnectDevice(const std::wstring& path)
{
    return static_cast<bool>(DFURequestsUSB::ConnectDevice(path.c_str(), m_transport));
}

bool DfuEngineLibrary::GetKey(std::uint16_t key, std::uint8_t* buffer, int bytes)
{
    unsigned short returned = 0;
    return static_cast<bool>(m_transport.BCCMDGetPS(key, buffer, static_cast<unsigned short>(bytes), &returned));
}

bool DfuEngineLibrary::SetKey(std::uint16_t key, const std::uint8_t* buffer, int bytes)
{
    return static_cast<bool>(m_transport.BCCMDSetPS(key, buffer, static_cast<unsigned short>(bytes)));
}
