#include "host/FileStream.h"

TFileStream::TFileStream(const std::string& path, Mode mode)
    : path_(path), mode_(mode), file_(std::fopen(path.c_str(), mode == fmOpenRead ? "rb" : "wb")) {
    if (file_ == nullptr || mode_ != fmOpenRead)
        return;
    if (std::fseek(file_.get(), 0, SEEK_END) == 0) {
        const long end = std::ftell(file_.get());
        if (end >= 0) {
            size_ = std::size_t(end);
            sizeKnown_ = true;
        }
    }
    std::rewind(file_.get());
}

bool TFileStream::Write(const void* data, std::size_t n) {
    if (file_ == nullptr || mode_ != fmCreate)
        return false;
    return n == 0 || std::fwrite(data, 1, n, file_.get()) == n;
}

std::size_t TFileStream::Read(void* data, std::size_t n) {
    if (file_ == nullptr || mode_ != fmOpenRead || n == 0)
        return 0;
    const std::size_t read = std::fread(data, 1, n, file_.get());
    position_ += read;
    return read;
}

std::size_t TFileStream::Remaining() const {
    if (file_ == nullptr || mode_ != fmOpenRead)
        return 0;
    if (!sizeKnown_)
        return SIZE_MAX;
    return position_ < size_ ? size_ - position_ : 0;
}

bool TFileStream::Close() {
    if (file_ == nullptr)
        return true;
    return std::fclose(file_.release()) == 0;
}
