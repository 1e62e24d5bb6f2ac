// The block quad and the face matrices: every face of the unit cube lands on
// its own plane, and its two triangles face a camera outside the cube
// (counter-clockwise on screen, kept by the game's clockwise cull) and turn
// away from one inside it. The device check shows the same under real GL.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/matrix.h"
#include "platform/platform.h"
#include "render/geometry.h"

namespace {

// The block face InitMesh hands to the device: the bottom face, y = -0.5.
const Vertex (&Quad0)[4] = QuadVertices[0];

// The two triangles every quad is drawn as.
const int Triangles[2][3] = {{1, 2, 3}, {1, 3, 0}};

struct Face {
    const char* name;
    const Matrix* matrix; // nullptr: the identity
    Vec3 outward;         // unit normal; the face lies at outward * 0.5
};

const Face Faces[] = {
    {"bottom", nullptr, {0, -1, 0}}, {"top", &mTop, {0, 1, 0}},    {"back", &mBack, {0, 0, -1}},
    {"left", &mLeft, {1, 0, 0}},     {"right", &mRight, {-1, 0, 0}}, {"front", &mFront, {0, 0, 1}},
};

Matrix FaceMatrix(const Face& face) { return face.matrix ? *face.matrix : MatrixIdentity(); }

float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Scale(Vec3 v, float k) { return {v.x * k, v.y * k, v.z * k}; }

// Looking along the y axis needs another up vector.
Vec3 UpFor(Vec3 direction) { return direction.y != 0 ? Vec3{0, 0, 1} : Vec3{0, 1, 0}; }

struct ScreenPoint {
    float x, y; // pixels of an 800 x 600 screen, y down
};

ScreenPoint Project(Vec3 v, const Matrix& m)
{
    float x = v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0] + m.m[3][0];
    float y = v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1] + m.m[3][1];
    float w = v.x * m.m[0][3] + v.y * m.m[1][3] + v.z * m.m[2][3] + m.m[3][3];
    return {400.0f + 400.0f * x / w, 300.0f - 300.0f * y / w};
}

// Positive when a, b, c run clockwise on a y-down screen.
float Clockwise(ScreenPoint a, ScreenPoint b, ScreenPoint c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

class Geometry : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildFaceMatrices(); }

    // Signs of both triangles of `face` seen by a camera at `eye` looking at `at`.
    static void ExpectWinding(const Face& face, Vec3 eye, Vec3 at, bool clockwise, const std::string& view)
    {
        Matrix camera = MatrixMultiply(MatrixLookAtLH(eye, at, UpFor(face.outward)),
                                       MatrixPerspectiveFovLH(2.0f, 4.0f / 3.0f, 0.1f, 40.0f));
        Matrix m = MatrixMultiply(FaceMatrix(face), camera);
        ScreenPoint p[4];
        for (int i = 0; i < 4; i++) p[i] = Project({Quad0[i].x, Quad0[i].y, Quad0[i].z}, m);
        for (const auto& t : Triangles) {
            float area = Clockwise(p[t[0]], p[t[1]], p[t[2]]);
            EXPECT_EQ(area > 0, clockwise) << face.name << " from " << view << ": triangle (" << t[0] << ","
                                            << t[1] << "," << t[2] << ") area " << area;
            EXPECT_GT(std::fabs(area), 100.0f) << face.name << " from " << view << ": edge-on";
        }
    }
};

TEST_F(Geometry, FaceMatricesPutTheQuadOnEachFacePlane)
{
    for (const Face& face : Faces) {
        Matrix m = FaceMatrix(face);
        for (const Vertex& v : Quad0) {
            Vec3 p = TransformCoord({v.x, v.y, v.z}, m);
            EXPECT_NEAR(Dot(p, face.outward), 0.5f, 1e-5f) << face.name;
            // The other two coordinates stay corners of the cube.
            EXPECT_NEAR(std::fabs(p.x) + std::fabs(p.y) + std::fabs(p.z), 1.5f, 1e-5f) << face.name;
        }
    }
}

TEST_F(Geometry, FacesSurviveClockwiseCullFromOutsideOnly)
{
    for (const Face& face : Faces) {
        // Slightly off the axis, so that a face seen edge-on would show.
        Vec3 aside = face.outward.y != 0 ? Vec3{0.3f, 0, 0.2f} : Vec3{0.2f, 0.3f, 0};
        Vec3 outside = {3 * face.outward.x + aside.x, 3 * face.outward.y + aside.y, 3 * face.outward.z + aside.z};
        ExpectWinding(face, outside, {0, 0, 0}, false, "outside");
        ExpectWinding(face, {0, 0, 0}, face.outward, true, "inside");
        ExpectWinding(face, Scale(aside, 0.5f), face.outward, true, "inside, off centre");
    }
}

}  // namespace
