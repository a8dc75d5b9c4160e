#include "engine/manager/vertexbuffer.h"
#include "tests/resources/fixture.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

TEST(Vertex, AddMakesFormat0x142WithTheColourFromItsBytes)
{
    VERTEXLIST list;
    list.add(0, 0, 0, 0, 0, 255, 0, 0, 255);
    ASSERT_EQ(list.getlist().size(), 1u);
    VERTEX v = list.getlist().front();
    EXPECT_EQ(v.getFVF(), 0x142u);
    EXPECT_EQ((uint32_t)v.color, 0xFFFF0000u);
    EXPECT_EQ(v.taille(), 24);

    void* block = nullptr;
    v.tada(&block);
    unsigned char expected[24] = {};
    uint32_t colour = 0xFFFF0000u;
    std::memcpy(expected + 12, &colour, 4);
    EXPECT_EQ(std::memcmp(block, expected, 24), 0);
    std::free(block);
}

TEST(Vertex, LayoutFollowsTheBitsPresent)
{
    VERTEX p;
    EXPECT_EQ(p.taille(), 0);
    p.setXYZ(1, 2, 3);
    EXPECT_EQ(p.taille(), 12);
    void* block = nullptr;
    p.tada(&block);
    float xyz[3];
    std::memcpy(xyz, block, 12);
    EXPECT_EQ(xyz[0], 1);
    EXPECT_EQ(xyz[2], 3);
    std::free(block);

    p.setTEX(2, 5, 5);
    EXPECT_EQ(p.getFVF(), (unsigned)D3DFVF_XYZ);
    p.setTEX(1, 0.25f, 0.75f);
    EXPECT_EQ(p.getFVF(), (unsigned)(D3DFVF_XYZ | D3DFVF_TEX1));
    EXPECT_EQ(p.taille(), 20);
    p.tada(&block);
    float uv[2];
    std::memcpy(uv, static_cast<char*>(block) + 12, 8);
    EXPECT_EQ(uv[0], 0.25f);
    EXPECT_EQ(uv[1], 0.75f);
    std::free(block);
}

TEST(Vertex, ListDropsVerticesOfAnotherFormat)
{
    VERTEXLIST list;
    list.add(0, 0, 0, 0, 0, 1, 2, 3, 4);
    VERTEX p;
    p.setXYZ(1, 1, 1);
    list.add(p);
    EXPECT_EQ(list.getlist().size(), 1u);
    EXPECT_EQ(list.getFVF(), 0x142u);

    VERTEXLIST positions;
    positions.add(p);
    positions.add(p);
    EXPECT_EQ(positions.getFVF(), (unsigned)D3DFVF_XYZ);
    EXPECT_EQ(positions.getlist().size(), 2u);
}

TEST(VertexBuffer, PrimitiveCounts)
{
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(6, D3DPT_TRIANGLELIST), 2);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(7, D3DPT_TRIANGLELIST), 2);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(6, D3DPT_TRIANGLESTRIP), 4);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(6, D3DPT_TRIANGLEFAN), 4);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(5, D3DPT_POINTLIST), 5);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(5, D3DPT_LINELIST), 2);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(5, D3DPT_LINESTRIP), 4);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(2, D3DPT_TRIANGLESTRIP), 0);
    EXPECT_EQ(VERTEXBUFFER::calculeprimitive(6, 7), 0);
}

class VertexBufferTest : public DeviceTest {};

VERTEXLIST quadList()
{
    VERTEXLIST list;
    list.add(-1, 1, 0, 0, 0, 255, 255, 255, 255);
    list.add(1, 1, 0, 1, 0, 255, 255, 255, 255);
    list.add(-1, -1, 0, 0, 1, 255, 255, 255, 255);
    list.add(1, -1, 0, 1, 1, 255, 255, 255, 255);
    return list;
}

TEST_F(VertexBufferTest, BuildingFromAListTracesEachVertexAndFillsTheBuffer)
{
    testing::internal::CaptureStdout();
    VERTEXBUFFER vb(quadList(), D3DPT_TRIANGLESTRIP);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "1 !\n2 !\n3 !\n4 !\n");
    EXPECT_EQ(vb.dwNumMaterials, 1);
    EXPECT_EQ(vb.getIteration(), 2);
    EXPECT_EQ(vb.getTaillevertex(), 24);
    EXPECT_EQ(vb.getFVF(), 0x142u);

    auto created = dev.named("CreateVertexBuffer");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].args, (std::vector<double>{96, D3DUSAGE_WRITEONLY, 0x142, D3DPOOL_MANAGED}));

    void* data = nullptr;
    ASSERT_EQ(vb.getVertexbuffer()->Lock(0, 0, &data, 0), D3D_OK);
    float x3, tv3;
    std::memcpy(&x3, static_cast<char*>(data) + 72, 4);
    std::memcpy(&tv3, static_cast<char*>(data) + 72 + 20, 4);
    vb.getVertexbuffer()->Unlock();
    EXPECT_EQ(x3, 1);
    EXPECT_EQ(tv3, 1);

    dev.clearCalls();
    vb.draw(5);
    ASSERT_EQ(dev.calls.size(), 3u);
    EXPECT_EQ(dev.calls[0].name, "SetFVF");
    EXPECT_EQ(dev.calls[1].args, (std::vector<double>{0, 0, 24}));
    EXPECT_EQ(dev.calls[2].args, (std::vector<double>{D3DPT_TRIANGLESTRIP, 0, 2}));
}

TEST_F(VertexBufferTest, PrintsFourLines)
{
    testing::internal::CaptureStdout();
    VERTEXBUFFER vb(quadList(), D3DPT_TRIANGLESTRIP);
    testing::internal::GetCapturedStdout();
    std::ostringstream os, address;
    os << static_cast<CONTENEUR*>(&vb);
    address << static_cast<void*>(vb.getVertexbuffer());
    EXPECT_EQ(os.str(), "adresse vertexbuffer :" + address.str() +
                            "\nprimtivetype = D3DPT_TRIANGLESTRIP\nfvf = 322\nnbiteration = 2\n");

    vb.setPrimitiveType(7);
    EXPECT_EQ(vb.getCPrimitiveType(), nullptr);
    std::ostringstream other;
    vb.print(other);
    EXPECT_NE(other.str().find("primtivetype = \n"), std::string::npos);
}

TEST_F(VertexBufferTest, CreationFailureIsReportedAndNothingIsDrawn)
{
    dev.failCall("CreateVertexBuffer", D3DERR_OUTOFVIDEOMEMORY, 1);
    testing::internal::CaptureStdout();
    VERTEXBUFFER noBuffer(quadList(), D3DPT_TRIANGLESTRIP);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "erreur lors de la creation d'un vertex buffer");
    EXPECT_EQ(noBuffer.getVertexbuffer(), nullptr);
    dev.clearCalls();
    noBuffer.draw(0);
    EXPECT_TRUE(dev.calls.empty());

    VERTEXLIST empty;
    VERTEXBUFFER none(empty, D3DPT_TRIANGLELIST);
    EXPECT_EQ(none.getVertexbuffer(), nullptr);
    EXPECT_EQ(none.getIteration(), 0);
    none.draw(0);
    EXPECT_TRUE(dev.calls.empty());
}

TEST_F(VertexBufferTest, WrappedBufferKeepsTheGivenValues)
{
    IDirect3DVertexBuffer9* raw = nullptr;
    ASSERT_EQ(dev.CreateVertexBuffer(96, 0, 0x142, D3DPOOL_MANAGED, &raw, nullptr), D3D_OK);
    VERTEXBUFFER vb(raw, D3DPT_TRIANGLELIST, 0x142, 12, 24);
    EXPECT_EQ(vb.dwNumMaterials, 1);
    dev.clearCalls();
    vb.draw(0);
    EXPECT_EQ(dev.calls.back().args, (std::vector<double>{D3DPT_TRIANGLELIST, 0, 12}));
}

} // namespace
