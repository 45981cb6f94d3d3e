// A document stream over a file, opened for reading or for writing, closed on destruction.
#pragma once

#include "host/Stream.h"

#include <cstdio>
#include <memory>
#include <string>

class TFileStream : public TStream {
public:
    // fmOpenRead opens an existing file; fmCreate creates or truncates one.
    enum Mode { fmOpenRead, fmCreate };

    TFileStream(const std::string& path, Mode mode);

    // Whether the file could be opened; a stream that is not open reads and writes nothing.
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& FileName() const { return path_; }

    // Fails on a stream opened for reading.
    bool Write(const void* data, std::size_t n) override;
    // Reads nothing from a stream opened for writing.
    std::size_t Read(void* data, std::size_t n) override;
    // Bytes between the read position and the end of the file (0 when writing, SIZE_MAX
    // when the file cannot tell its size, as a pipe).
    std::size_t Remaining() const override;

    // Flushes and closes; false when pending bytes could not be written. Closing twice is
    // harmless.
    bool Close();

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    std::string path_;
    Mode mode_;
    std::unique_ptr<std::FILE, Closer> file_;
    bool sizeKnown_ = false;
    std::size_t size_ = 0;     // file size when opened for reading
    std::size_t position_ = 0; // read position
};
