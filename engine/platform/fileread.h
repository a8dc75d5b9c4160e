#pragma once
// Why a data file cannot be read, for messages that give the cause.
namespace platform {

// 0 when `path` is a regular file this process can open for reading;
// otherwise why not, as an errno value (ENOENT, EACCES, EISDIR ...).
int readError(const char* path);

} // namespace platform
