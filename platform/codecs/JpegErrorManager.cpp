#include "platform/codecs/JpegErrorManager.h"

#include <cstring>

#include <jerror.h>

namespace {

JpegErrorManager& managerOf(j_common_ptr info)
{
    // base is the first member, so the error_mgr pointer is the manager's.
    return *reinterpret_cast<JpegErrorManager*>(info->err);
}

void exitWithMessage(j_common_ptr info)
{
    JpegErrorManager& m = managerOf(info);
    (*info->err->format_message)(info, m.message);
    std::longjmp(m.jump, 1);
}

void keepWarning(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)
        managerOf(info).fail("the picture's data end early");
    ++info->err->num_warnings;
}

void printNothing(j_common_ptr) { }

void checkScanCount(j_common_ptr info)
{
    if (!info->is_decompressor)
        return;
    auto* d = reinterpret_cast<j_decompress_ptr>(info);
    auto* limit = reinterpret_cast<JpegScanLimit*>(info->progress);
    if (d->input_scan_number > kMaxJpegScans)
        limit->errors->fail("the picture has too many scans");
}

} // namespace

void JpegErrorManager::attach(jpeg_common_struct& info)
{
    info.err = jpeg_std_error(&base);
    base.error_exit = exitWithMessage;
    base.emit_message = keepWarning;
    base.output_message = printNothing;
}

void JpegErrorManager::fail(const char* text)
{
    std::strncpy(message, text, sizeof message - 1);
    base.msg_code = 0;
    std::longjmp(jump, 1);
}

void JpegScanLimit::attach(jpeg_decompress_struct& info, JpegErrorManager& errorManager)
{
    errors = &errorManager;
    base.progress_monitor = checkScanCount;
    info.progress = &base;
}

bool JpegErrorManager::outOfMemory() const
{
    return base.msg_code == JERR_OUT_OF_MEMORY || base.msg_code == JERR_NO_BACKING_STORE;
}
