#include "fuzz/support.h"

#include "engine/platform/recording_device.h"
#include "game/setup.h"

#include <sanitizer/allocator_interface.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace fuzz {

namespace {

platform::RecordingDevice* device = nullptr;

// A 2 x 2 picture for "tex", written once into the scratch directory.
const unsigned char kPng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0xfd, 0xd4, 0x9a, 0x73, 0x00, 0x00, 0x00,
    0x10, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0x00, 0x44, 0x0c, 0x10, 0x0a, 0x00, 0x1f,
    0xee, 0x03, 0xfd, 0x8b, 0x5f, 0x14, 0xd4, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60,
    0x82};

} // namespace

IDirect3DDevice9* preparer()
{
    if (device)
        return device;
    char modele[] = "/tmp/plumfall-fuzz.XXXXXX";
    const char* dossier = std::getenv("PLUMFALL_FUZZ_SCRATCH");
    if (!dossier)
        dossier = mkdtemp(modele);
    if (!dossier || chdir(dossier) != 0) {
        std::perror("plumfall fuzz: scratch directory");
        std::abort();
    }
    int rien = open("/dev/null", O_WRONLY);
    if (rien >= 0) {
        dup2(rien, STDOUT_FILENO);
        close(rien);
    }
    ecrire("tex.png", kPng, sizeof kPng);
    device = new platform::RecordingDevice;
    device->recording = false;
    initall(device);
    return device;
}

namespace {
size_t memoireAuDebut = 0;
}

void debutEntree()
{
    memoireAuDebut = __sanitizer_get_current_allocated_bytes();
}

bool tropDeMemoire()
{
    return __sanitizer_get_current_allocated_bytes() > memoireAuDebut + (size_t(16) << 20);
}

std::string ecrire(const char* nom, const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(nom, "wb");
    if (f) {
        if (size)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return nom;
}

ManagerJetable::ManagerJetable() : XMANAGER(preparer())
{
    loadtexture("tex.png", "tex");
    chargercube(this, preparer());
    chargerElements3D(this);
}

ManagerJetable::~ManagerJetable()
{
    // Elements first: they point at containers, materials and textures.
    tabelement3d.eraseall(0);
    tabconteneur.eraseall(0);
    tabmateriel.eraseall(0);
    tabtexture.eraseall(0);
}

} // namespace fuzz
