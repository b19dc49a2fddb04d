#pragma once

#include <QString>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// libjpeg's error manager made safe for a library: a fatal error jumps back
// to the caller's setjmp instead of exiting the process, messages are kept
// instead of printed, and data that end early are an error too: the decoder
// refuses such a picture at once rather than show a grey remainder.
struct JpegErrorManager {
    jpeg_error_mgr base {};
    std::jmp_buf jump {};
    char message[JMSG_LENGTH_MAX] = {};

    // Installs this manager on a compress or decompress object.
    void attach(jpeg_common_struct& info);

    // Ends the current libjpeg call with the given message (from a callback).
    [[noreturn]] void fail(const char* text);

    QString text() const { return QString::fromLatin1(message); }
    // The last error was libjpeg running out of its memory allowance.
    bool outOfMemory() const;
};

// Stops decoding a file with more scans than any real picture has: each scan
// of a progressive file passes over the whole picture, so a small damaged
// file with thousands of scans would otherwise take minutes.
inline constexpr int kMaxJpegScans = 500;

// Fails the decode once the scan count passes kMaxJpegScans.
struct JpegScanLimit {
    jpeg_progress_mgr base {};
    JpegErrorManager* errors = nullptr;

    void attach(jpeg_decompress_struct& info, JpegErrorManager& errorManager);
};
