#pragma once
// Every time-out and size bound of the device link, in one place, so that a
// reader can see at a glance how long any wait on a unit or a server can last.

#include <cstddef>
#include <cstdint>

// HID command channel. No exchange may block for ever: a unit that stops
// taking reports or goes silent ends the exchange after the write or read
// time-out; one that never stops saying busy ends it after two minutes of busy
// replies, or after as many busy replies as a unit reporting every millisecond
// sends in that time. Both are generous, since a unit erasing or writing flash
// during a firmware section can stay busy for many seconds. A caller that
// needs an answer sooner (recognition) passes a deadline of its own.
constexpr unsigned kHidReadTimeoutMs = 10000;
constexpr unsigned kHidWriteTimeoutMs = 10000;
constexpr unsigned kHidMaxBusyMs = 120000;
constexpr int kHidMaxBusyReplies = 120000;
// Recognition's own deadline for all its exchanges together, so that a silent
// or endlessly busy unit ends a recognition with the fallbacks within 30
// seconds in all; the rest is left for finding and opening the interfaces.
constexpr unsigned kHidRecognitionDeadlineMs = 25000;
// A long read on a thread that keeps its windows painted waits in slices of
// this length; the windows repaint between them.
constexpr unsigned kHidWaitSliceMs = 50;
// Paint messages let through at one turn of the pump; a window that never
// validates itself cannot keep the wait from going on.
constexpr int kHidWaitPumpPaintMessages = 64;

// HTTP downloader. The socket time-outs end a server that accepts and then
// says nothing (receive: also the longest pause allowed between two pieces of
// the body); the whole-download deadline ends one that trickles a byte now and
// then, and it holds in every phase (the TLS handshake and the headers too):
// the caller stops waiting when it passes, whatever WinINet is doing. An
// image (or installer) of 50 MB over a line of 256 kbit/s takes about 27
// minutes, so its deadline leaves room for twice that.
constexpr unsigned kDownloadConnectTimeoutMs = 30000;
constexpr unsigned kDownloadSendTimeoutMs = 30000;
constexpr unsigned kDownloadReceiveTimeoutMs = 60000;
constexpr unsigned kDownloadDeadlineMs = 60u * 60u * 1000u;
// The server lists (update list, firmware index, revision list) are a few
// KiB, a second's work on any line: a server that has not answered one within
// seconds will not, and the page waits for it with its busy cursor.
constexpr unsigned kListDownloadConnectTimeoutMs = 10000;
constexpr unsigned kListDownloadSendTimeoutMs = 10000;
constexpr unsigned kListDownloadReceiveTimeoutMs = 15000;
constexpr unsigned kListDownloadDeadlineMs = 30000;
// The waiting caller looks this often whether it has been asked to stop (the
// manager closing), and passes on the progress of a file download.
constexpr unsigned kDownloadWatchSliceMs = 50;
// Once the caller gives up, the connection is closed under the blocked call,
// which ends it on Windows; the caller waits this long for the transfer to
// end, then leaves it to end alone (Wine lets the call run to its own
// time-out), its file never put in place.
constexpr unsigned kDownloadGiveUpWaitMs = 500;
// A window that goes while its server exchange runs asks it to stop and waits
// this long for its thread; the thread holds nothing of the window's.
constexpr unsigned kServerExchangeStopWaitMs = 5000;
constexpr unsigned kServerExchangeStopPollMs = 10;
// A chain of redirects longer than this is taken for a loop.
constexpr int kDownloadMaxRedirects = 5;
// The server lists read into memory are a few KiB; a body beyond this is not
// one of them.
constexpr std::size_t kDownloadMemoryCap = 8u * 1024u * 1024u;
// The first block of a memory download; it doubles as the body grows.
constexpr std::size_t kDownloadMemoryFirstBlock = 10240;
// Largest piece asked for in one read.
constexpr unsigned kDownloadPieceSize = 1024;
// A file download gathers this much in memory between two writes: the partial
// file is open only while it is written, never while the server is waited
// on, so that a download given up removes it at once.
constexpr std::size_t kDownloadFileWriteBytes = 256u * 1024u;
