#include "engine/manager/matrice.h"
#include "tests/resources/fixture.h"

#include <cmath>
#include <cstring>

namespace {

D3DXMATRIXA16 identity()
{
    D3DXMATRIXA16 m;
    D3DXMatrixIdentity(&m);
    return m;
}

TEST(MatrixText, SixteenNumbersFillTheRowsInOrder)
{
    D3DXMATRIXA16 m = identity();
    EXPECT_EQ(D3DXMatrixValues(&m, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17"), &m);
    EXPECT_EQ(m._11, 1);
    EXPECT_EQ(m._14, 4);
    EXPECT_EQ(m._21, 5);
    EXPECT_EQ(m._24, 8);
    EXPECT_EQ(m._41, 13);
    EXPECT_EQ(m._44, 16);

    D3DXMATRIXA16 spread = identity();
    D3DXMatrixValues(&spread, "1\t2 3 4\n5 6 7 8\n\n9\t10 11 12\r\n 13 14 15 16");
    EXPECT_EQ(spread, m);
}

TEST(MatrixText, ShortOrBadTextKeepsTheRemainingEntries)
{
    D3DXMATRIXA16 m = identity();
    D3DXMatrixValues(&m, "2 0 0 0 0 2 0 0 0 0 2 0");
    EXPECT_EQ(m._11, 2);
    EXPECT_EQ(m._33, 2);
    EXPECT_EQ(m._41, 0);
    EXPECT_EQ(m._44, 1);

    D3DXMATRIXA16 b = identity();
    D3DXMatrixValues(&b, "5 x 7");
    EXPECT_EQ(b._11, 5);
    EXPECT_EQ(b._12, 0);
    EXPECT_EQ(b._13, 0);
    EXPECT_EQ(b._22, 1);
}

class MatrixFile : public testing::Test {};

TEST_F(MatrixFile, WrittenFileReadsBack)
{
    D3DXMATRIXA16 m;
    D3DXMatrixRotationZ(&m, 0.3f);
    m._41 = 10.5f;
    m._42 = -2.25f;
    m._43 = 1e-7f;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(sauvegardematrice(&m, "saved.mat"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "save saved.mat \n");
    std::string text = readText("saved.mat");
    EXPECT_EQ(text.substr(0, 10), "saved.mat\n");
    EXPECT_NE(text.find("\n10.5 -2.25 1e-07 1\n"), std::string::npos);

    D3DXMATRIXA16 back = identity();
    testing::internal::CaptureStdout();
    EXPECT_TRUE(loadmatrice(&back, "saved.mat"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "mhouhh  hahahaha  lol");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(back.m[r][c], m.m[r][c], 1e-6) << r << c;
}

TEST_F(MatrixFile, FirstLineIsIgnoredAndEachRowHasItsLine)
{
    writeText("rows.mat", "anything 1 2 3\n1 0 0 0 99\n0 1 0 0\n0 0 1 0\n7 8 9 1\n");
    D3DXMATRIXA16 m;
    std::memset(&m, 0, sizeof m);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(loadmatrice(&m, "rows.mat"));
    testing::internal::GetCapturedStdout();
    D3DXMATRIXA16 expected;
    D3DXMatrixTranslation(&expected, 7, 8, 9);
    EXPECT_EQ(m, expected);
}

TEST_F(MatrixFile, MissingFileLeavesTheMatrix)
{
    D3DXMATRIXA16 m = identity();
    m._41 = 3;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(loadmatrice(&m, "absent.mat"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "mhouhh  hahahaha  lol");
    EXPECT_EQ(m._41, 3);

    testing::internal::CaptureStdout();
    EXPECT_FALSE(sauvegardematrice(&m, "no/such/dir/x.mat"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "save no/such/dir/x.mat \n");
}

TEST_F(MatrixFile, ShortFileKeepsTheRowsItLacks)
{
    writeText("short.mat", "name\n2 0 0 0\n0 2\n");
    D3DXMATRIXA16 m = identity();
    testing::internal::CaptureStdout();
    EXPECT_TRUE(loadmatrice(&m, "short.mat"));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(m._11, 2);
    EXPECT_EQ(m._22, 2);
    EXPECT_EQ(m._23, 0);
    EXPECT_EQ(m._33, 1);
    EXPECT_EQ(m._44, 1);
}

TEST(ConvertMatrix, TransposesTheThreeByThreeBlockAndKeepsRowFour)
{
    float in[12] = {1, 2, 3, 100, 4, 5, 6, 200, 7, 8, 9, 300};
    D3DXMATRIXA16 out;
    D3DXMatrixTranslation(&out, 11, 12, 13);
    EXPECT_EQ(convertMatrix(&out, in), &out);
    D3DXMATRIXA16 expected(D3DXMATRIX(1, 4, 7, 0, 2, 5, 8, 0, 3, 6, 9, 0, 11, 12, 13, 1));
    EXPECT_EQ(out, expected);
}

TEST(ConversionPolaire, QuadrantsAndAxes)
{
    const double pi = 3.141592653589793;
    EXPECT_FLOAT_EQ(conversion_polaire(1, 1), (float)(pi / 4));
    EXPECT_FLOAT_EQ(conversion_polaire(-1, 0), (float)pi);
    EXPECT_FLOAT_EQ(conversion_polaire(0, -2), (float)(3 * pi / 2));
    EXPECT_FLOAT_EQ(conversion_polaire(1, -1), (float)(7 * pi / 4));
    EXPECT_FLOAT_EQ(conversion_polaire(-1, -1), (float)(5 * pi / 4));
    EXPECT_EQ(conversion_polaire(2, 0), 0.0f);
    EXPECT_EQ(conversion_polaire(0, 3), 1.5707964f);
    EXPECT_EQ(conversion_polaire(0, -3), 4.712389f);
    float nan = conversion_polaire(0, 0);
    uint32_t bits;
    std::memcpy(&bits, &nan, 4);
    EXPECT_EQ(bits, 0x7FC00000u);
}

} // namespace
