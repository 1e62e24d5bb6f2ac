// 4x4 matrices and planes in the game's convention: left-handed, row vectors
// multiplied on the left, depth 0..1 after projection. A product A * B
// applies A first.
#pragma once

struct Matrix {
    float m[4][4];
};

struct Plane {
    float a, b, c, d;
};

struct Vec3 {
    float x, y, z;
};

Matrix MatrixIdentity();
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
Matrix MatrixRotationX(float angle);
Matrix MatrixRotationY(float angle);
Matrix MatrixRotationZ(float angle);
Matrix MatrixScaling(float sx, float sy, float sz);
Matrix MatrixTranslation(float x, float y, float z);
Matrix MatrixLookAtLH(Vec3 eye, Vec3 at, Vec3 up);
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);
Plane PlaneNormalize(Plane p);
// Row vector (x, y, z, 1) times the matrix, divided by nothing.
Vec3 TransformCoord(Vec3 v, const Matrix& m);
