#include "components/burner/StreamChecksum.h"

#include <libburn.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>

namespace burner {

void StreamChecksum::Add(const void* data, std::size_t size) {
    std::lock_guard lock(mutex_);
    crc_ = static_cast<std::uint32_t>(
        crc32_z(crc_, static_cast<const Bytef*>(data), static_cast<z_size_t>(size)));
    bytes_ += static_cast<std::int64_t>(size);
}

std::uint32_t StreamChecksum::Crc() const {
    std::lock_guard lock(mutex_);
    return crc_;
}

std::int64_t StreamChecksum::Bytes() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

std::string StreamChecksum::ToString() const {
    char text[64];
    std::snprintf(text, sizeof text, "CRC-32 %08x of %lld bytes", static_cast<unsigned>(Crc()),
                  static_cast<long long>(Bytes()));
    return text;
}

bool SameData(const StreamChecksum& a, const StreamChecksum& b) {
    return a.Crc() == b.Crc() && a.Bytes() == b.Bytes();
}

namespace {

struct Passing {
    burn::burn_source* inner;
    StreamChecksum* sum;
};

Passing& Of(burn::burn_source* source) {
    return *static_cast<Passing*>(source->data);
}

int Read(burn::burn_source* source, unsigned char* buffer, int size) {
    burn::burn_source* inner = Of(source).inner;
    int got = inner->read != nullptr ? inner->read(inner, buffer, size)
                                     : inner->read_xt(inner, buffer, size);
    if (got > 0)
        Of(source).sum->Add(buffer, static_cast<std::size_t>(got));
    return got;
}

off_t GetSize(burn::burn_source* source) {
    return Of(source).inner->get_size(Of(source).inner);
}

int SetSize(burn::burn_source* source, off_t size) {
    return Of(source).inner->set_size(Of(source).inner, size);
}

int Cancel(burn::burn_source* source) {
    burn::burn_source* inner = Of(source).inner;
    return inner->read == nullptr && inner->version >= 1 && inner->cancel != nullptr
               ? inner->cancel(inner)
               : 1;
}

void FreeData(burn::burn_source* source) {
    burn::burn_source_free(Of(source).inner);
    delete static_cast<Passing*>(source->data);
    source->data = nullptr;
}

}  // namespace

burn::burn_source* NewChecksumSource(burn::burn_source* inner, StreamChecksum& sum) {
    // libburn frees the struct itself with free() when the last reference goes.
    auto* source = static_cast<burn::burn_source*>(std::calloc(1, sizeof(burn::burn_source)));
    if (source == nullptr)
        return nullptr;
    ++inner->refcount;
    source->refcount = 1;
    source->read = nullptr;
    source->read_sub = nullptr;
    source->get_size = GetSize;
    source->set_size = SetSize;
    source->free_data = FreeData;
    source->next = nullptr;
    source->data = new Passing{inner, &sum};
    source->version = 1;
    source->read_xt = Read;
    source->cancel = Cancel;
    return source;
}

}  // namespace burner
