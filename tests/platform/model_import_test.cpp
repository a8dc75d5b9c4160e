// Model files are read by the importer in a child process: whatever a file does
// to it ends the child, and good files give what the importer gives in-process.
#include "engine/platform/d3dx9.h"
#include "engine/platform/isolated.h"
#include "engine/platform/model_import.h"
#include "engine/platform/recording_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <unistd.h>

namespace {

using platform::IsolatedOutcome;
using platform::IsolationLimits;

IsolatedOutcome run(const std::function<bool(std::vector<unsigned char>&)>& job, IsolationLimits limits = {})
{
    std::vector<unsigned char> out{1, 2, 3};
    IsolatedOutcome outcome = platform::runIsolated(job, limits, out);
    if (outcome != IsolatedOutcome::Done) {
        EXPECT_TRUE(out.empty());
    }
    return outcome;
}

TEST(Isolated, TheChildsBytesComeBackAndItsEndsStayItsOwn)
{
    std::vector<unsigned char> out;
    std::vector<unsigned char> big(300000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = (unsigned char)(i * 7);
    ASSERT_EQ(platform::runIsolated(
                  [&](std::vector<unsigned char>& b) {
                      b = big;
                      return true;
                  },
                  {}, out),
              IsolatedOutcome::Done);
    EXPECT_EQ(out, big); // more than a pipe holds at once

    EXPECT_EQ(run([](std::vector<unsigned char>&) { return false; }), IsolatedOutcome::Refused);
    EXPECT_EQ(run([](std::vector<unsigned char>&) -> bool { throw 1; }), IsolatedOutcome::Refused);
    EXPECT_EQ(run([](std::vector<unsigned char>&) -> bool { std::raise(SIGSEGV); return true; }),
              IsolatedOutcome::Crashed);
    EXPECT_EQ(run([](std::vector<unsigned char>&) -> bool { std::abort(); }), IsolatedOutcome::Crashed);
    EXPECT_EQ(run([](std::vector<unsigned char>&) -> bool { _exit(0); }), IsolatedOutcome::Done);
}

TEST(Isolated, AHangIsStoppedAtTheTimeLimit)
{
    IsolationLimits limits;
    limits.seconds = 0.3;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(run(
                  [](std::vector<unsigned char>&) {
                      for (;;)
                          pause();
                      return true;
                  },
                  limits),
              IsolatedOutcome::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST(Isolated, AllocationsPastTheMemoryLimitEndTheChild)
{
    IsolationLimits limits;
    limits.memoryBytes = size_t(64) << 20;
    IsolatedOutcome outcome = run(
        [](std::vector<unsigned char>& b) {
            b.assign(size_t(512) << 20, 1);
            return true;
        },
        limits);
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_NE(outcome, IsolatedOutcome::Done); // the sanitizer's allocator ends it on its own
#else
    EXPECT_EQ(outcome, IsolatedOutcome::OutOfMemory);
#endif
}

std::string corpus() { return PLUMFALL_FUZZ_CORPUS "/mesh/"; }

// Every model of the fuzz corpus gives, through the child, exactly what the
// importer gives in this process: the same refusal or the same bytes.
TEST(ModelImport, TheChildGivesWhatTheImporterGivesInProcess)
{
    DIR* dir = opendir(corpus().c_str());
    ASSERT_NE(dir, nullptr) << corpus();
    int loaded = 0, refused = 0;
    while (dirent* e = readdir(dir)) {
        std::string name = e->d_name;
        // The seeds that end the importer (named importer-*) would end this process.
        if (name.size() < 3 || name.compare(name.size() - 2, 2, ".x") != 0 || name.compare(0, 9, "importer-") == 0)
            continue;
        std::string path = corpus() + name;
        platform::ImportedModel here, there;
        bool ok = platform::importModel(path.c_str(), here);
        ASSERT_EQ(platform::importModelIsolated(path.c_str(), there), ok) << name;
        if (ok) {
            EXPECT_EQ(platform::encodeModel(here), platform::encodeModel(there)) << name;
        }
        ++(ok ? loaded : refused);
    }
    closedir(dir);
    EXPECT_GE(loaded, 2);
}

TEST(ModelImport, TheModelsFormRefusesEveryShortOrInflatedMessage)
{
    platform::ImportedModel model;
    model.subsets = {{{1, 2, 3, 0, 0, 1, 0.5f, 0.5f}, {4, 5, 6, 0, 0, 1, 0, 0}, {7, 8, 9, 0, 1, 0, 1, 1}}, {}};
    model.materials.resize(2);
    model.materials[0].colours.Power = 4;
    model.materials[1].hasTexture = true;
    model.materials[1].texture = "deck.png";
    model.faces = 1;
    model.vertices = 3;
    std::vector<unsigned char> bytes = platform::encodeModel(model);
    platform::ImportedModel back;
    ASSERT_TRUE(platform::decodeModel(bytes.data(), bytes.size(), back));
    EXPECT_EQ(platform::encodeModel(back), bytes);
    EXPECT_EQ(back.materials[1].texture, "deck.png");
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(platform::decodeModel(bytes.data(), n, back)) << n;
    bytes.push_back(0);
    EXPECT_FALSE(platform::decodeModel(bytes.data(), bytes.size(), back));
    bytes.pop_back();
    bytes[12] = 0xff; // the subset count, far past what the message holds
    EXPECT_FALSE(platform::decodeModel(bytes.data(), bytes.size(), back));
}

// Files that crashed the importer (a null pointer read on a material list) or
// had it allocate 40 GB (a vertex count): the usual refusal, and the program goes on.
TEST(ModelImport, FilesThatEndTheImporterAreRefused)
{
    platform::RecordingDevice device;
    ID3DXMesh* mesh = nullptr;
    DWORD count = 0;
    for (const char* name : {"importer-crash-material-name.x", "importer-oom-vertex-count.x"}) {
        std::string path = corpus() + name;
        ASSERT_EQ(access(path.c_str(), R_OK), 0) << path;
        mesh = reinterpret_cast<ID3DXMesh*>(1);
        ID3DXBuffer* materials = nullptr;
        count = 7;
        EXPECT_EQ(D3DXLoadMeshFromXA(path.c_str(), 0, &device, nullptr, &materials, nullptr, &count, &mesh),
                  (HRESULT)0x88760B59u)
            << name;
        EXPECT_EQ(mesh, nullptr);
        EXPECT_EQ(materials, nullptr);
        EXPECT_EQ(count, 0u);
    }
    std::string good = corpus() + "three.x";
    ASSERT_EQ(D3DXLoadMeshFromXA(good.c_str(), 0, &device, nullptr, nullptr, nullptr, &count, &mesh), D3D_OK);
    EXPECT_EQ(count, 3u);
    mesh->Release();
}

} // namespace
