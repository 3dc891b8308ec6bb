#include "components/burner/StreamPatch.h"

#include <libburn.h>

#include <algorithm>
#include <cstdlib>

namespace burner {
namespace {

struct Patching {
    burn::burn_source* inner;
    StreamPatch patch;
    std::int64_t passed = 0;  // bytes read so far
};

Patching& Of(burn::burn_source* source) {
    return *static_cast<Patching*>(source->data);
}

int Read(burn::burn_source* source, unsigned char* buffer, int size) {
    Patching& state = Of(source);
    burn::burn_source* inner = state.inner;
    const int got = inner->read != nullptr ? inner->read(inner, buffer, size)
                                           : inner->read_xt(inner, buffer, size);
    if (got <= 0)
        return got;
    const StreamPatch& patch = state.patch;
    const std::int64_t patchEnd = patch.offset + static_cast<std::int64_t>(patch.bytes.size());
    const std::int64_t from = std::max(state.passed, patch.offset);
    const std::int64_t to = std::min(state.passed + got, patchEnd);
    for (std::int64_t at = from; at < to; ++at)
        buffer[at - state.passed] = static_cast<unsigned char>(patch.bytes[at - patch.offset]);
    state.passed += got;
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
    delete static_cast<Patching*>(source->data);
    source->data = nullptr;
}

}  // namespace

StreamPatch IsoVolumeIdPatch(const std::string& id) {
    std::string bytes = id.substr(0, kIsoVolumeIdBytes);
    bytes.resize(kIsoVolumeIdBytes, ' ');
    return {kIsoVolumeIdOffset, bytes};
}

burn::burn_source* NewPatchingSource(burn::burn_source* inner, const StreamPatch& patch) {
    // libburn frees the struct itself with free() when the last reference goes.
    auto* source = static_cast<burn::burn_source*>(std::calloc(1, sizeof(burn::burn_source)));
    if (source == nullptr)
        return nullptr;
    ++inner->refcount;
    source->refcount = 1;
    source->get_size = GetSize;
    source->set_size = SetSize;
    source->free_data = FreeData;
    source->data = new Patching{inner, patch};
    source->version = 1;
    source->read_xt = Read;
    source->cancel = Cancel;
    return source;
}

}  // namespace burner
