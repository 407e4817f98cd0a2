#pragma once
// A local HTTP server for the Wine test programs: the fixture script under the host's python3,
// serving a folder on a loopback port that was free a moment before.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WineHost.h"

namespace localhttp {

inline int FreeLoopbackPort()
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    closesocket(s);
    return ntohs(address.sin_port);
}

inline bool CanConnect(int port)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    closesocket(s);
    return ok;
}

// A loopback port whose connections the system accepts (they wait in the backlog) and that never
// says a word: a server, or a middlebox, that takes an https request and then holds it. Closed
// when it goes. The caller has started Winsock.
class SilentListener {
public:
    SilentListener()
    {
        m_socket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        int length = sizeof address;
        if (bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(m_socket, 64) == 0 &&
            getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~SilentListener() { closesocket(m_socket); }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    // 0 when no port could be had.
    int Port() const { return m_port; }
    std::wstring HttpsUrl(const std::wstring& path) const
    {
        return L"https://127.0.0.1:" + std::to_wstring(m_port) + L"/" + path;
    }

private:
    SOCKET m_socket = INVALID_SOCKET;
    int m_port = 0;
};

// The four ways a server holds a request, each as a server address below which every name
// behaves so: it says nothing, it trickles the body or its headers a byte at a time, or (https)
// it accepts and never starts the TLS handshake.
struct HoldingServer {
    const char* name;
    std::wstring base;
};

inline std::vector<HoldingServer> HoldingServers(int fixturePort, const SilentListener& silent)
{
    const std::wstring fixture = L"http://127.0.0.1:" + std::to_wstring(fixturePort) + L"/bad/";
    return {
        {"silent", fixture + L"silent/"},
        {"trickled-body", fixture + L"trickle/"},
        {"trickled-headers", fixture + L"trickle-head/"},
        {"silent-https", silent.HttpsUrl(L"")},
    };
}

// Asks the server on the port to end (its GET /quit); a port of 0 (no server came up) is left alone.
inline void StopFixtureServer(int port)
{
    if (port == 0)
        return;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const char request[] = "GET /quit HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
        send(s, request, static_cast<int>(sizeof request - 1), 0);
        char answer[256];
        while (recv(s, answer, sizeof answer, 0) > 0) {}
    }
    closesocket(s);
}

// Starts the script on a free port serving the Windows folder given; the port it answers on, or 0
// when no server came up within about ten seconds. The caller has started Winsock.
inline int StartFixtureServer(const std::string& script, const std::wstring& servedFolder)
{
    const std::string unixRoot = UnixPathOf(servedFolder);
    if (unixRoot.empty())
        return 0;
    // A port found free can be taken by another test program before the server binds it; a few
    // tries settle that.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int port = FreeLoopbackPort();
        std::wstring command = L"Z:\\usr\\bin\\python3 " + std::wstring(script.begin(), script.end()) + L" " +
                               std::to_wstring(port) + L" \"" + std::wstring(unixRoot.begin(), unixRoot.end()) +
                               L"\" 300";
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            continue;
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        for (int i = 0; i < 100; ++i) {
            if (CanConnect(port))
                return port;
            Sleep(100);
        }
    }
    return 0;
}

} // namespace localhttp
