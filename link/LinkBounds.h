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
// then. An image of 50 MB over a line of 256 kbit/s takes about 27 minutes, so
// the deadline leaves room for twice that.
constexpr unsigned kDownloadConnectTimeoutMs = 30000;
constexpr unsigned kDownloadSendTimeoutMs = 30000;
constexpr unsigned kDownloadReceiveTimeoutMs = 60000;
constexpr unsigned kDownloadDeadlineMs = 60u * 60u * 1000u;
// A chain of redirects longer than this is taken for a loop.
constexpr int kDownloadMaxRedirects = 5;
// The server lists read into memory are a few KiB; a body beyond this is not
// one of them.
constexpr std::size_t kDownloadMemoryCap = 8u * 1024u * 1024u;
// The first block of a memory download; it doubles as the body grows.
constexpr std::size_t kDownloadMemoryFirstBlock = 10240;
// Largest piece asked for in one read.
constexpr unsigned kDownloadPieceSize = 1024;
