#include "core/matrix.h"

#include <cmath>

Matrix MatrixIdentity()
{
    Matrix r{};
    for (int i = 0; i < 4; i++) r.m[i][i] = 1.0f;
    return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b)
{
    Matrix r{};
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++) {
            float s = 0.0f;
            for (int k = 0; k < 4; k++) s += a.m[i][k] * b.m[k][j];
            r.m[i][j] = s;
        }
    return r;
}

Matrix MatrixRotationX(float angle)
{
    Matrix r = MatrixIdentity();
    float c = std::cos(angle), s = std::sin(angle);
    r.m[1][1] = c;
    r.m[1][2] = s;
    r.m[2][1] = -s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationY(float angle)
{
    Matrix r = MatrixIdentity();
    float c = std::cos(angle), s = std::sin(angle);
    r.m[0][0] = c;
    r.m[0][2] = -s;
    r.m[2][0] = s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationZ(float angle)
{
    Matrix r = MatrixIdentity();
    float c = std::cos(angle), s = std::sin(angle);
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix MatrixScaling(float sx, float sy, float sz)
{
    Matrix r = MatrixIdentity();
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    return r;
}

Matrix MatrixTranslation(float x, float y, float z)
{
    Matrix r = MatrixIdentity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

static Vec3 Sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
static float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
static Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
static Vec3 Normalize(Vec3 v)
{
    float len = std::sqrt(Dot(v, v));
    if (len == 0.0f) return v;
    return {v.x / len, v.y / len, v.z / len};
}

Matrix MatrixLookAtLH(Vec3 eye, Vec3 at, Vec3 up)
{
    Vec3 zaxis = Normalize(Sub(at, eye));
    Vec3 xaxis = Normalize(Cross(up, zaxis));
    Vec3 yaxis = Cross(zaxis, xaxis);
    Matrix r = MatrixIdentity();
    r.m[0][0] = xaxis.x; r.m[0][1] = yaxis.x; r.m[0][2] = zaxis.x;
    r.m[1][0] = xaxis.y; r.m[1][1] = yaxis.y; r.m[1][2] = zaxis.y;
    r.m[2][0] = xaxis.z; r.m[2][1] = yaxis.z; r.m[2][2] = zaxis.z;
    r.m[3][0] = -Dot(xaxis, eye);
    r.m[3][1] = -Dot(yaxis, eye);
    r.m[3][2] = -Dot(zaxis, eye);
    return r;
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar)
{
    float yScale = 1.0f / std::tan(fovY / 2.0f);
    float xScale = yScale / aspect;
    Matrix r{};
    r.m[0][0] = xScale;
    r.m[1][1] = yScale;
    r.m[2][2] = zFar / (zFar - zNear);
    r.m[2][3] = 1.0f;
    r.m[3][2] = -zNear * zFar / (zFar - zNear);
    return r;
}

Plane PlaneNormalize(Plane p)
{
    float len = std::sqrt(p.a * p.a + p.b * p.b + p.c * p.c);
    if (len == 0.0f) return p;
    return {p.a / len, p.b / len, p.c / len, p.d / len};
}

Vec3 TransformCoord(Vec3 v, const Matrix& m)
{
    return {v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0] + m.m[3][0],
            v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1] + m.m[3][1],
            v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2] + m.m[3][2]};
}
