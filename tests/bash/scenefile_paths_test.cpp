// Scene file names that are not regular files: found by fuzzing "loadxml ."
// (TinyXML took a directory's end offset as its size and asked for 2^63 bytes).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "engine/scene/scenefile.h"
#include "tests/bash/scenefixture.h"

namespace {

TEST(SceneFilePaths, DirectoryOrDeviceIsAFailedLoadNotACrash)
{
    SceneResources res;
    LOAD_FILE loader(&res.manager);
    mkdir("un-dossier.xml", 0755);
    for (const char* path : {".", "un-dossier.xml", "/dev/null"}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(loader.chargersceneXML(path), nullptr) << path;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "fail du chargement de ficher de SCENE\n") << path;
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(loader.chargersceneXML(nullptr), nullptr);
    testing::internal::GetCapturedStderr();
}

} // namespace
