// Scene files too deep or too large for the reader: refused before TinyXML
// parses them (its parser recurses once per level and ended the process on
// 100,000 levels), with the failure line and its reason.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/scene/scenefile.h"
#include "engine/scene/xmldepth.h"
#include "tests/bash/scenefixture.h"

namespace {

std::string nested(int depth, const std::string& inner = "")
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<scene>";
    text += inner;
    for (int i = 0; i < depth; ++i)
        text += "</scene>";
    return text;
}

int depthOf(SCENE* scene)
{
    int depth = 1;
    while (scene->getNumelement() == 1) {
        scene = dynamic_cast<SCENE*>(scene->getElement(1));
        if (!scene)
            break;
        ++depth;
    }
    return depth;
}

class SceneFileLimits : public ::testing::Test {
protected:
    SceneResources res;
    LOAD_FILE loader{&res.manager};

    // The failure line, or "" when the file loaded.
    std::string refusal(const std::string& text, int* depth = nullptr)
    {
        writeFile("limit.xml", text);
        testing::internal::CaptureStderr();
        std::unique_ptr<SCENE> scene(loader.chargersceneXML("limit.xml"));
        std::string line = testing::internal::GetCapturedStderr();
        if (scene && depth)
            *depth = depthOf(scene.get());
        EXPECT_EQ(scene == nullptr, !line.empty()) << line;
        return line;
    }
};

TEST_F(SceneFileLimits, DeepFilesAreRefusedAndTheProgramCarriesOn)
{
    const std::string tooDeep = "fail du chargement de ficher de SCENE : plus de 256 niveaux d'elements\n";
    EXPECT_EQ(refusal(nested(100000)), tooDeep); // 1.5 MB: ended the process inside TinyXML
    EXPECT_EQ(refusal(nested(LOAD_FILE::PROFONDEUR_MAX + 1)), tooDeep);
    // Elements the loader skips count too: TinyXML nests them all the same.
    EXPECT_EQ(refusal("<scene>" + nested(LOAD_FILE::PROFONDEUR_MAX).replace(0, 7, "<a x='</scene>'>")),
              tooDeep);

    int depth = 0;
    EXPECT_EQ(refusal(nested(LOAD_FILE::PROFONDEUR_MAX)), "");
    EXPECT_EQ(refusal(nested(LOAD_FILE::PROFONDEUR_MAX), &depth), "");
    EXPECT_EQ(depth, LOAD_FILE::PROFONDEUR_MAX);
}

TEST_F(SceneFileLimits, OversizedFilesAreRefused)
{
    std::string padding(static_cast<size_t>(LOAD_FILE::TAILLE_MAX) - 15, ' ');
    EXPECT_EQ(refusal("<scene>" + padding + "</scene>"), "");
    EXPECT_EQ(refusal("<scene>" + padding + " </scene>"),
              "fail du chargement de ficher de SCENE : plus de 16 Mio\n");
}

// The depth is TinyXML's, read as TinyXML reads: "</" inside a quoted value,
// a comment or CDATA closes nothing, and after a declaration a UTF-8 lead
// byte swallows what follows it, end tags included.
TEST(XmlNesting, FollowsTinyXmlsReading)
{
    auto levels = [](int depth, const std::string& open, const std::string& inner) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += open + inner;
        return text;
    };
    EXPECT_TRUE(xmlNestingWithin(nested(3).c_str(), 3));
    EXPECT_FALSE(xmlNestingWithin(nested(4).c_str(), 3));
    EXPECT_TRUE(xmlNestingWithin("<a/><a><b/><b></b></a>", 2));
    // Found by fuzzing: an end tag after attributes ended the count there.
    EXPECT_FALSE(xmlNestingWithin(("<s><b x='1'></b>" + nested(3) + "</s>").c_str(), 3));
    EXPECT_FALSE(xmlNestingWithin(levels(4, "<a t=\"</a>\">", "").c_str(), 3));
    EXPECT_FALSE(xmlNestingWithin(levels(4, "<a>", "<!-- </a> -->").c_str(), 3));
    EXPECT_FALSE(xmlNestingWithin(levels(4, "<a>", "<![CDATA[</a>]]>").c_str(), 3));
    EXPECT_FALSE(xmlNestingWithin(levels(4, "<a>", "&#x</a>x1;").c_str(), 3));
    const std::string utf8 = levels(4, "<a>", "\xF0</a>");
    EXPECT_TRUE(xmlNestingWithin(utf8.c_str(), 3)); // read byte by byte, the first "</a>" ends it
    EXPECT_FALSE(xmlNestingWithin(("<?xml version='1.0'?>" + utf8).c_str(), 3));
    EXPECT_FALSE(xmlNestingWithin(("\xEF\xBB\xBF" + utf8).c_str(), 3));
    // TinyXML would step over the text's end there.
    EXPECT_FALSE(xmlNestingWithin("<?xml version='1.0'?><a>\xF0", 3));
}

} // namespace
