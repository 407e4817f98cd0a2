#pragma once
// The DFU road's view of the chip vendor's library: one transport per run,
// the library's USB transport held open from construction to destruction, so
// every way out of a run releases it exactly once.

#include "link/DfuRoad.h"
#include "standins/DFUEngine.h"

class DfuEngineLibrary final : public DfuLibraryAccess {
public:
    DfuEngineLibrary();
    ~DfuEngineLibrary();
    DfuEngineLibrary(const DfuEngineLibrary&) = delete;
    DfuEngineLibrary& operator=(const DfuEngineLibrary&) = delete;

    std::vector<std::wstring> EnumerateDevices() override;
    std::wstring PathInternal(const std::wstring& name) override;
    bool ConnectDevice(const std::wstring& path) override;
    bool GetKey(std::uint16_t key, std::uint8_t* buffer, int bytes) override;
    bool SetKey(std::uint16_t key, const std::uint8_t* buffer, int bytes) override;

private:
    DFUTransportCOM m_transport;
};
