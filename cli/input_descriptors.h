#pragma once
// The descriptors that batch and import read CSV from, with their POSIX and Windows sides: a
// file opened by its UTF-8 name, the state of standard input, where a regular file stands, a
// read from a given place that leaves it there, and whether a read would wait.
#include <cstddef>
#include <cstdint>
#include <string>

// Opens the file at path for reading: 0 with fd set, or the errno value (EISDIR for a folder).
int OpenInputFile(const std::string& path, int& fd);

// Why standard input cannot be read, or 0: closed, a folder, or open for writing only (EBADF),
// which would read as empty or fail at the first read.
int StandardInputFault();

// Where a regular file's descriptor stands; -1 for anything else (a pipe, a terminal).
int64_t RegularFileOffset(int fd);

// Reads up to size bytes at offset without moving the descriptor: the count, 0 at the end, -1
// with err.
int64_t ReadAt(int fd, char* buffer, size_t size, int64_t offset, int& err);

// Whether a read of fd would wait for its producer now (nothing at hand, no end yet).
bool ReadWouldWait(int fd);
