// 4x4 single-precision matrix, row-major: element [r][c] is at index 4r + c.
// Points are row vectors transformed as p' = p * M, so rows 0..2 hold the
// images of the X, Y and Z axes and row 3 holds the translation.
#pragma once

#include "math/quaternion.h"
#include "math/vec3.h"

namespace jolvent {

struct Matrix4 {
  float m[16] = {};

  float& at(int row, int column) { return m[4 * row + column]; }
  float at(int row, int column) const { return m[4 * row + column]; }
};

// Exchanged with the host as sixteen packed floats.
static_assert(sizeof(Matrix4) == 64);

inline constexpr Matrix4 identityMatrix{{1.0F, 0.0F, 0.0F, 0.0F,  //
                                         0.0F, 1.0F, 0.0F, 0.0F,  //
                                         0.0F, 0.0F, 1.0F, 0.0F,  //
                                         0.0F, 0.0F, 0.0F, 1.0F}};

// Rotation matrix of q; q need not be of unit length (each element is divided
// by the squared norm), and one too small or too large to square in single
// precision gives the rotation it has at unit scale. An all-zero q gives the
// identity.
Matrix4 quatToMatrix(const Quaternion& q);

// Rotation about axis by the angle whose cosine and sine are given. The axis
// is normalised when it has a length; a zero axis is used as it is.
Matrix4 axisAngleMatrix(const Vec3& axis, float cosine, float sine);

// Determinant of the 3x3 minor picked by three row and three column indices.
float minorDeterminant(const Matrix4& m, int r0, int r1, int r2, int c0, int c1, int c2);

// Inverse of an affine matrix (fourth column 0, 0, 0, 1). A matrix whose
// upper-left 3x3 block is singular is returned unchanged.
Matrix4 matrixInverse(const Matrix4& m);

}  // namespace jolvent
