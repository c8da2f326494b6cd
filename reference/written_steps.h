// The rotation math done the plain way: each function follows its written
// steps one by one, with no guards and no shortcuts, in single precision with
// the stated double-precision steps. It is the yardstick for math/: the tests
// require the same bits from it, and the benchmark measures its cost against
// this. An all-zero quaternion gives not-a-numbers here.
#pragma once

#include "math/euler.h"
#include "math/matrix4.h"
#include "math/quaternion.h"
#include "math/vec3.h"

namespace jolvent::written_steps {

float vecDot(const Vec3& a, const Vec3& b);
Vec3 vecCross(const Vec3& a, const Vec3& b);
float vecNormalize(Vec3& v);

Quaternion quatNormalize(const Quaternion& q);
Quaternion quatMultiply(const Quaternion& a, const Quaternion& b);

Matrix4 quatToMatrix(const Quaternion& q);
Matrix4 axisAngleMatrix(const Vec3& axis, float cosine, float sine);
float minorDeterminant(const Matrix4& m, int r0, int r1, int r2, int c0, int c1, int c2);
Matrix4 matrixInverse(const Matrix4& m);

MatrixDecomposition decomposeMatrix(const Matrix4& m);
EulerDegrees quatToEulerDegrees(const Quaternion& q);
Quaternion matrixToQuat(const Matrix4& m);
Quaternion applyAxisDelta(const Quaternion& rotation, const Vec3* axis, float newDegrees,
                          float appliedDegrees);

}  // namespace jolvent::written_steps
