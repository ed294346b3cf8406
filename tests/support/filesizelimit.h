#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

// Runs `write` in a forked child process in which no file may grow past `bytes` (RLIMIT_FSIZE,
// with SIGXFSZ ignored so that a write past the limit fails with EFBIG instead of ending the
// child): a disk that fills up part-way through a write. Unlike a read-only folder, the limit
// also binds the superuser, so the failure happens wherever the tests run.
//
// Returns what `write` returned, or nothing when the child could not start or did not finish
// normally. The child shares the test's memory as it was at the fork: QImage and QFile work
// there, widgets and threads started before must not be used. It ends with _exit, leaving
// the parent's temporary folders alone.
std::optional<bool> runWithFileSizeLimit(qint64 bytes, const std::function<bool()> &write);
