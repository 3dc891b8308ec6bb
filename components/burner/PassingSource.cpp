#include "components/burner/PassingSource.h"

#include <libburn.h>

#include <cstdlib>
#include <utility>

namespace burner {
namespace {

struct Passing {
    burn::burn_source* inner;
    PassOn passOn;
};

Passing& Of(burn::burn_source* source) {
    return *static_cast<Passing*>(source->data);
}

int Read(burn::burn_source* source, unsigned char* buffer, int size) {
    burn::burn_source* inner = Of(source).inner;
    const int got = inner->read != nullptr ? inner->read(inner, buffer, size)
                                           : inner->read_xt(inner, buffer, size);
    if (got > 0)
        Of(source).passOn(buffer, got);
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

burn::burn_source* NewPassingSource(burn::burn_source* inner, PassOn passOn) {
    // libburn frees the struct itself with free() when the last reference goes.
    auto* source = static_cast<burn::burn_source*>(std::calloc(1, sizeof(burn::burn_source)));
    if (source == nullptr)
        return nullptr;
    ++inner->refcount;
    source->refcount = 1;
    source->get_size = GetSize;
    source->set_size = SetSize;
    source->free_data = FreeData;
    source->data = new Passing{inner, std::move(passOn)};
    source->version = 1;
    source->read_xt = Read;
    source->cancel = Cancel;
    return source;
}

}  // namespace burner
