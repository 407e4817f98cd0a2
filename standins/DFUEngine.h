#pragma once
// The chip vendor's device-firmware-upgrade library as the manager calls it:
// USB transport and enumeration, BCCMD persistent-store reads and writes, and
// the engine that reconfigures, downloads and manifests a firmware image with
// notifications on the library's own thread. Every result is a
// DFUEngine::Result whose truth value says success. Nothing thrown inside the
// library leaves it.

#if defined(_WIN32)
#if defined(DFUENGINE_BUILD)
#define DFUENGINE_API __declspec(dllexport)
#else
#define DFUENGINE_API __declspec(dllimport)
#endif
#else
#define DFUENGINE_API
#endif

class DFUENGINE_API CStringX {
public:
    CStringX();
    CStringX(const wchar_t* text);
    CStringX(const CStringX& other);
    ~CStringX();
    CStringX& operator=(const CStringX& other);
    CStringX& operator=(const wchar_t* text);

    int GetLength() const;
    // The characters, zero-terminated; room for at least minLength characters.
    wchar_t* GetBuffer(int minLength = 0);
    operator const wchar_t*() const;

private:
    wchar_t* m_data;
    int m_length;
    int m_capacity;
};

class DFUENGINE_API CStringListX {
public:
    struct Node;
    // Walks the list: converts to the next entry's text, null at the end.
    class DFUENGINE_API Position {
    public:
        Position();
        operator CStringX*() const;

    private:
        friend class CStringListX;
        Node* m_node;
    };

    CStringListX();
    ~CStringListX();
    CStringListX(const CStringListX&) = delete;
    CStringListX& operator=(const CStringListX&) = delete;

    void AddTail(const CStringX& text);
    int GetCount() const;
    bool IsEmpty() const;
    void RemoveAll();
    Position GetHeadPosition() const;
    // The entry at position, which moves on to the next one.
    CStringX& GetNext(Position& position);

private:
    Node* m_head;
    Node* m_tail;
    int m_count;
};

class DFUENGINE_API DFUEngine {
public:
    class DFUENGINE_API Result {
    public:
        enum Code {
            success = 0,
            failed = 1,
            notInitialised = 2,
            noDevice = 3,
            notConnected = 4,
            keyUnreadable = 5,
            badImage = 6,
            deviceLost = 7,
            busy = 8,
            deviceRefused = 28,
        };
        Result(int code = success, const wchar_t* text = L"");
        Result(const Result& other);
        ~Result();
        Result& operator=(const Result& other);
        operator bool() const;
        int GetCode() const;
        const wchar_t* GetText() const;

    private:
        int m_code;
        CStringX m_text;
    };

    // The engine step that finished, as Complete reports it.
    enum Step {
        stepReconfigureHeld = 2, // reconfigured after the user held the unit's button
        stepReconfigure = 3,
        stepDownload = 4,
        stepManifest = 5,
    };

    // What the engine is doing, as Notify and Progress report it.
    enum Activity {
        activityNone = 0,
        activityTransfer = 16,
        activityTransferEnd = 17,
        activityRestartHeld = 18,
        activityWaitReconnect = 19,
    };

    class DFUENGINE_API Status {
    public:
        Status();
        Status(const Status& other);
        ~Status();
        Status& operator=(const Status& other);

        int step; // the step that finished (Complete) or runs
        Result result;
        int activity;
        int progress; // percent of the running step
    };

    class DFUENGINE_API Callback {
    public:
        virtual ~Callback();
        virtual void Notify(int argument, const Status& status);
        virtual void Progress(int argument, const Status& status);
        virtual void Complete(int argument, const Status& status);
    };

    DFUEngine();
    ~DFUEngine();
    DFUEngine(const DFUEngine&) = delete;
    DFUEngine& operator=(const DFUEngine&) = delete;

    // 1 when at least one DFU device is present (names appended), else 0.
    static int GetUSBDeviceNames(CStringListX& names);
    static Result IsDFUFileValid(const wchar_t* imagePath);

    // Binds the engine to the device of that name.
    Result CreateUSB(const wchar_t* deviceName);
    void SetCallback(Callback* callback);
    // Each step runs on the engine's own thread and ends with one Complete.
    Result StartReconfigure(bool noReset, bool verifyImage, const wchar_t* imagePath);
    Result StartDownload(const wchar_t* imagePath);
    Result StartManifest();
    // Waits for a started or queued step to end (within a bound, see
    // standins/DFUEngineBounds.h), then releases the device binding. Safe
    // from inside the engine's own callback; the engine may also be deleted
    // there: the step's thread then ends without touching it again.
    void Destroy();

    struct Impl;

private:
    Impl* m_impl;
};

class DFUENGINE_API DFUTransportCOM {
public:
    DFUTransportCOM();
    virtual ~DFUTransportCOM();
    DFUTransportCOM(const DFUTransportCOM&) = delete;
    DFUTransportCOM& operator=(const DFUTransportCOM&) = delete;

    // Keys are arrays of 16-bit words in the PC's byte order; lengths in bytes.
    DFUEngine::Result BCCMDGetPS(unsigned short key, void* buffer, unsigned short length, unsigned short* returned);
    DFUEngine::Result BCCMDSetPS(unsigned short key, const void* buffer, unsigned short length);

private:
    friend class DFURequestsUSB;
    int m_device; // index of the connected device, -1 when none
};

class DFUENGINE_API DFUTransportUSB {
public:
    static void init();
    static void deinit();
    // The device path behind a device name; it carries "VID_xxxx" and "PID_xxxx".
    static CStringX PathInternal(const wchar_t* deviceName);
};

class DFUENGINE_API DFURequestsUSB {
public:
    // Appends one name per DFU-capable USB device; the count of them.
    static int EnumerateDevices(CStringListX& names);
    // True when the device of that path answers BCCMD through transport.
    static DFUEngine::Result ConnectDevice(const wchar_t* path, DFUTransportCOM& transport);
};

class DFUENGINE_API Device {
public:
    static CStringX Canonicalise(const wchar_t* path, bool upperCase);
};
