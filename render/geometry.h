// Block geometry: the three quads every face, torch side and torch top is
// drawn from, and the five matrices that turn the bottom face of the unit
// cube into its other faces.
#pragma once
#include <cstdint>

#include "core/matrix.h"
#include "platform/platform.h"

// Face matrices, built once at start-up (BuildFaceMatrices).
extern Matrix mTop, mBack, mLeft, mRight, mFront;

// The block face (bottom of the unit cube), torch side and torch top.
extern const Vertex QuadVertices[NumQuadBuffers][4];

void BuildFaceMatrices();
// Creates the block face, torch side and torch top quads on the device:
// 0 or E_FAIL. Called once, with the first new or loaded game.
int32_t InitMesh();
