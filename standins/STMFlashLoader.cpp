// A console stand-in for the STM32 flash loader program: it checks its
// arguments against the options the manager passes, that the firmware file
// exists, and prints the lines a successful download prints. Tests choose
// other behaviour through the environment (the manager never sets these
// variables; a started program inherits them):
//   QUOR_FLASHLOADER_SCENARIO  lower  the download spelt in lower case only
//                              large  more than ten kilobytes of numbered lines
//                              silent nothing at all
//                              hang   one line, then never ends
//   QUOR_FLASHLOADER_RECORD    a file that receives the command line and the
//                              MD5 digest of the firmware file

#include <windows.h>

#include <md5.h>

#include <cstdio>
#include <string>

namespace {

// The options in the order the manager writes them; the port follows "--pn"
// and the file follows "--fn".
const wchar_t* const kExpected[] = {L"-c", L"--pn",  nullptr, L"--br", L"115200",  L"-i",   L"STM32F1_Med-density_128K",
                                    L"-e", L"--all", L"-d",   L"--a",  L"8000000", L"--fn", nullptr};
constexpr int kExpectedCount = sizeof kExpected / sizeof kExpected[0];

void Print(HANDLE out, const std::string& text)
{
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[512] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, 512);
    return n > 0 && n < 512 ? std::wstring(value, n) : std::wstring();
}

bool Digest(const std::wstring& path, std::string& hex)
{
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f)
        return false;
    MD5_CTX context;
    MD5Init(&context);
    unsigned char block[1024];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0)
        MD5Update(&context, block, n);
    std::fclose(f);
    unsigned char digest[16];
    MD5Final(digest, &context);
    char text[3];
    for (unsigned char b : digest) {
        std::snprintf(text, sizeof text, "%02x", b);
        hex += text;
    }
    return true;
}

void Record(const std::wstring& recordPath, const std::wstring& file)
{
    FILE* f = _wfopen(recordPath.c_str(), L"wb");
    if (!f)
        return;
    const std::wstring line = GetCommandLineW();
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &utf8[0], n, nullptr, nullptr);
    std::string digest;
    Digest(file, digest);
    std::fprintf(f, "%s\n%s\n", utf8.c_str(), digest.c_str());
    std::fclose(f);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (argc - 1 != kExpectedCount) {
        Print(err, "Error: wrong number of arguments\r\n");
        return 1;
    }
    for (int i = 0; i < kExpectedCount; ++i) {
        if (kExpected[i] != nullptr && lstrcmpW(argv[i + 1], kExpected[i]) != 0) {
            Print(err, "Error: unexpected argument\r\n");
            return 1;
        }
    }
    const std::wstring file = argv[kExpectedCount];
    const std::wstring recordPath = Environment(L"QUOR_FLASHLOADER_RECORD");
    if (!recordPath.empty())
        Record(recordPath, file);
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Print(err, "Error: the file does not exist\r\n");
        return 1;
    }
    const std::wstring scenario = Environment(L"QUOR_FLASHLOADER_SCENARIO");
    if (scenario == L"silent")
        return 0;
    Print(out, "STM32 flash loader\r\nOpening port\r\n");
    if (scenario == L"hang") {
        Sleep(INFINITE);
        return 0;
    }
    if (scenario == L"lower") {
        Print(out, "erasing\r\ndownloading\r\ndone\r\n");
        return 0;
    }
    if (scenario == L"large") {
        char line[64];
        for (int i = 0; i < 1000; ++i) {
            std::snprintf(line, sizeof line, "line %04d of the download log\r\n", i);
            Print(i % 2 == 0 ? out : err, line);
        }
    }
    Print(out, "ERASING\r\n");
    Print(err, "DOWNLOADING\r\n");
    Print(out, "DONE\r\n");
    return 0;
}
