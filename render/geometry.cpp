#include "render/geometry.h"

#include "core/status.h"
#include "platform/platform.h"

Matrix mTop, mBack, mLeft, mRight, mFront;

void BuildFaceMatrices()
{
    const float Pi = 3.1415927f, HalfPi = 1.5707964f, ThreeHalfPi = 4.712389f;
    mTop = MatrixRotationX(Pi);
    mBack = MatrixMultiply(MatrixRotationY(Pi), MatrixRotationX(HalfPi));
    mLeft = MatrixMultiply(MatrixRotationY(HalfPi), MatrixRotationZ(HalfPi));
    mRight = MatrixMultiply(MatrixRotationY(ThreeHalfPi), MatrixRotationZ(-HalfPi));
    mFront = MatrixRotationX(-HalfPi);
}

// The bottom face of the unit cube, a torch side and a torch top.
const Vertex QuadVertices[NumQuadBuffers][4] = {
    {{-0.5f, -0.5f, 0.5f, 0, -0.5f, 0, 1, 0},
     {0.5f, -0.5f, 0.5f, 0, -0.5f, 0, 0, 0},
     {0.5f, -0.5f, -0.5f, 0, -0.5f, 0, 0, 1},
     {-0.5f, -0.5f, -0.5f, 0, -0.5f, 0, 1, 1}},
    {{-0.0625f, -0.5625f, -0.0625f, 0, 0, -0.5f, 0, 1},
     {0.0625f, -0.5625f, -0.0625f, 0, 0, -0.5f, 1, 1},
     {0.0625f, 0.0625f, -0.0625f, 0, 0, -0.5f, 1, 0},
     {-0.0625f, 0.0625f, -0.0625f, 0, 0, -0.5f, 0, 0}},
    {{0.0625f, 0.0625f, 0.0625f, 0, -0.5f, 0, 0, 0},
     {-0.0625f, 0.0625f, 0.0625f, 0, -0.5f, 0, 1, 0},
     {-0.0625f, 0.0625f, -0.0625f, 0, -0.5f, 0, 1, 1},
     {0.0625f, 0.0625f, -0.0625f, 0, -0.5f, 0, 0, 1}},
};

int32_t InitMesh()
{
    for (int i = 0; i < NumQuadBuffers; i++)
        if (!DevCreateQuad(i, QuadVertices[i])) return E_FAIL;
    return S_OK;
}
