// libjpeg error handling: errors jump back to the caller instead of exiting,
// warnings are not printed.
#pragma once
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "core/error.h"

#include <jpeglib.h>
#include <jerror.h>

namespace tilesmith {

// What a libjpeg error or a failed callback leaves for the caller to report.
struct JpegErrorTrap {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    // The error of our own callbacks (a file error, the scan budget), kept
    // whole instead of libjpeg's text.
    std::exception_ptr own_error;
    // The decoder's warning that its entropy data ended before the picture
    // did ("premature end of data segment"): the rows after it are made up.
    bool data_ended_early = false;
    char message[512] = {};

    jpeg_error_mgr* install() {
        jpeg_std_error(&manager);
        manager.error_exit = &JpegErrorTrap::error_exit;
        manager.output_message = &JpegErrorTrap::output_message;
        manager.emit_message = &JpegErrorTrap::emit_message;
        return &manager;
    }

    bool own_message() const { return own_error != nullptr; }

    // Called from a callback that keeps the error of its own (in a handler,
    // std::current_exception()): no C++ object of the callback may still be
    // alive, since the jump skips their destructors.
    static void keep(j_common_ptr cinfo, std::exception_ptr error) {
        reinterpret_cast<JpegErrorTrap*>(cinfo->err)->own_error = std::move(error);
    }
    // Leaves libjpeg at once with the error kept before.
    [[noreturn]] static void fail(j_common_ptr cinfo) {
        std::longjmp(reinterpret_cast<JpegErrorTrap*>(cinfo->err)->jump, 1);
    }

    // Throws the error that ended a guarded call: our own as it was thrown, or
    // libjpeg's (English) words quoted in the action's message.
    [[noreturn]] void rethrow(Msg action, const std::string& file_name) const {
        if (own_error) std::rethrow_exception(own_error);
        throw Error(action, file_name, std::string(message));
    }

private:
    [[noreturn]] static void error_exit(j_common_ptr cinfo) {
        auto* trap = reinterpret_cast<JpegErrorTrap*>(cinfo->err);
        (*cinfo->err->format_message)(cinfo, trap->message);
        std::longjmp(trap->jump, 1);
    }
    // Warnings (extraneous bytes, corrupt data that libjpeg recovers from)
    // would otherwise go to stderr.
    static void output_message(j_common_ptr) {}
    static void emit_message(j_common_ptr cinfo, int level) {
        if (level >= 0) return;  // trace messages
        auto* trap = reinterpret_cast<JpegErrorTrap*>(cinfo->err);
        ++trap->manager.num_warnings;
        if (trap->manager.msg_code == JWRN_HIT_MARKER) trap->data_ended_early = true;
    }
};

// Runs `call(state)`, which calls libjpeg; false when a libjpeg error or a
// callback jumped out of it. The jump crosses only libjpeg, `call` and this
// function, so `call` is a plain function over plain libjpeg structures that
// holds no objects with destructors; everything C++ stays with the caller.
bool jpeg_guarded(JpegErrorTrap& trap, void (*call)(void* state), void* state);

}  // namespace tilesmith
