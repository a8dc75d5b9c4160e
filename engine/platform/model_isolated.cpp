// The model importer in a child process, and the form it hands the model back
// in: native-endian words and records, as parent and child are one program.
#include "engine/platform/isolated.h"
#include "engine/platform/model_import.h"

#include <cstring>

namespace platform {

namespace {

constexpr uint32_t kMagic = 0x584d4650; // "PFMX"
constexpr uint32_t kEnd = 0x2e444e45;   // "END."

class Writer {
public:
    void word(uint32_t v) { raw(&v, sizeof v); }
    void raw(const void* p, size_t n)
    {
        const unsigned char* b = static_cast<const unsigned char*>(p);
        bytes.insert(bytes.end(), b, b + n);
    }
    std::vector<unsigned char> bytes;
};

// Every read checks what is left, so a short or inflated count fails here
// instead of allocating or reading past the end.
class Reader {
public:
    Reader(const unsigned char* p, size_t n) : p_(p), left_(n) {}
    bool word(uint32_t& v) { return raw(&v, sizeof v); }
    bool raw(void* out, size_t n)
    {
        if (n > left_)
            return false;
        if (n)
            std::memcpy(out, p_, n);
        p_ += n;
        left_ -= n;
        return true;
    }
    size_t left() const { return left_; }

private:
    const unsigned char* p_;
    size_t left_;
};

} // namespace

std::vector<unsigned char> encodeModel(const ImportedModel& model)
{
    Writer w;
    w.word(kMagic);
    w.word(model.faces);
    w.word(model.vertices);
    w.word(uint32_t(model.subsets.size()));
    for (const std::vector<ModelVertex>& s : model.subsets) {
        w.word(uint32_t(s.size()));
        w.raw(s.data(), s.size() * sizeof(ModelVertex));
    }
    w.word(uint32_t(model.materials.size()));
    for (const ModelMaterial& m : model.materials) {
        w.raw(&m.colours, sizeof m.colours);
        w.word(m.hasTexture ? uint32_t(m.texture.size()) + 1 : 0);
        w.raw(m.texture.data(), m.hasTexture ? m.texture.size() : 0);
    }
    w.word(kEnd);
    return std::move(w.bytes);
}

bool decodeModel(const unsigned char* bytes, size_t size, ImportedModel& out)
{
    out = ImportedModel();
    Reader r(bytes, size);
    uint32_t magic = 0, count = 0;
    if (!r.word(magic) || magic != kMagic || !r.word(out.faces) || !r.word(out.vertices) || !r.word(count) ||
        count > r.left() / 4)
        return false;
    out.subsets.resize(count);
    for (std::vector<ModelVertex>& s : out.subsets) {
        uint32_t n = 0;
        if (!r.word(n) || n > r.left() / sizeof(ModelVertex))
            return false;
        s.resize(n);
        r.raw(s.data(), n * sizeof(ModelVertex));
    }
    if (!r.word(count) || count > r.left() / (sizeof(D3DMATERIAL9) + 4))
        return false;
    out.materials.resize(count);
    for (ModelMaterial& m : out.materials) {
        uint32_t length = 0;
        if (!r.raw(&m.colours, sizeof m.colours) || !r.word(length) || (length && length - 1 > r.left()))
            return false;
        m.hasTexture = length > 0;
        m.texture.resize(length ? length - 1 : 0);
        r.raw(&m.texture[0], m.texture.size());
    }
    uint32_t end = 0;
    return r.word(end) && end == kEnd && r.left() == 0;
}

bool importModelIsolated(const char* file, ImportedModel& out)
{
    std::vector<unsigned char> bytes;
    IsolatedOutcome outcome = runIsolated(
        [file](std::vector<unsigned char>& result) {
            ImportedModel model;
            if (!importModel(file, model))
                return false;
            result = encodeModel(model);
            return true;
        },
        IsolationLimits(), bytes);
    return outcome == IsolatedOutcome::Done && decodeModel(bytes.data(), bytes.size(), out);
}

} // namespace platform
