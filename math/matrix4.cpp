#include "math/matrix4.h"

#include <cmath>

namespace jolvent {

Matrix4 quatToMatrix(const Quaternion& q) {
  const float w = q.w;
  const float x = q.x;
  const float y = q.y;
  const float z = q.z;
  const float ww = w * w;
  const float xx = x * x;
  const float yy = y * y;
  const float zz = z * z;
  const float n = ww + xx + yy + zz;
  // No rotation to speak of; the identity rather than a matrix of
  // not-a-numbers.
  if (n == 0.0F) return identityMatrix;

  Matrix4 m = identityMatrix;
  m.at(0, 0) = ww + xx - yy - zz;
  m.at(0, 1) = 2.0F * x * y - 2.0F * w * z;
  m.at(0, 2) = 2.0F * x * z + 2.0F * w * y;
  m.at(1, 0) = 2.0F * w * z + 2.0F * x * y;
  m.at(1, 1) = ww - xx + yy - zz;
  m.at(1, 2) = 2.0F * y * z - 2.0F * w * x;
  m.at(2, 0) = 2.0F * x * z - 2.0F * w * y;
  m.at(2, 1) = 2.0F * y * z + 2.0F * w * x;
  m.at(2, 2) = ww - xx - yy + zz;
  // Dividing each element by the squared norm makes any non-zero length a
  // pure rotation.
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) m.at(row, column) /= n;
  }
  return m;
}

Matrix4 axisAngleMatrix(const Vec3& axis, float cosine, float sine) {
  Matrix4 m;
  float x = axis.x;
  float y = axis.y;
  float z = axis.z;
  const float length = std::sqrt(x * x + y * y + z * z);
  if (length > 0.0F) {
    const float reciprocal = 1.0F / length;
    x *= reciprocal;
    y *= reciprocal;
    z *= reciprocal;
  }

  // Products of two floats stay single; k and every sum with c or k are
  // formed in double and rounded once on the store.
  const double c = cosine;
  const double k = 1.0 - c;
  const float xx = x * x;
  const float yy = y * y;
  const float zz = z * z;
  const float xy = x * y;
  const float xz = x * z;
  const float yz = y * z;
  const float xs = x * sine;
  const float ys = y * sine;
  const float zs = z * sine;
  const auto store = [](double value) { return static_cast<float>(value); };
  m.at(0, 0) = store(xx + (1.0 - xx) * c);
  m.at(0, 1) = store(xy * k + zs);
  m.at(0, 2) = store(xz * k - ys);
  m.at(1, 0) = store(xy * k - zs);
  m.at(1, 1) = store(yy + (1.0 - yy) * c);
  m.at(1, 2) = store(yz * k + xs);
  m.at(2, 0) = store(xz * k + ys);
  m.at(2, 1) = store(yz * k - xs);
  m.at(2, 2) = store(zz + (1.0 - zz) * c);
  m.at(3, 3) = 1.0F;
  return m;
}

float minorDeterminant(const Matrix4& m, int r0, int r1, int r2, int c0, int c1, int c2) {
  const float a00 = m.at(r0, c0);
  const float a01 = m.at(r0, c1);
  const float a02 = m.at(r0, c2);
  const float a10 = m.at(r1, c0);
  const float a11 = m.at(r1, c1);
  const float a12 = m.at(r1, c2);
  const float a20 = m.at(r2, c0);
  const float a21 = m.at(r2, c1);
  const float a22 = m.at(r2, c2);
  return a00 * a11 * a22 + a01 * a12 * a20 + a02 * a10 * a21 - a00 * a12 * a21 -
         a01 * a10 * a22 - a02 * a11 * a20;
}

Matrix4 matrixInverse(const Matrix4& m) {
  // For an affine matrix the upper-left block's determinant is the whole
  // determinant.
  const float d = minorDeterminant(m, 0, 1, 2, 0, 1, 2);
  if (!(d < 0.0F || d > 0.0F)) return m;
  const auto r = static_cast<float>(1.0 / static_cast<double>(d));

  Matrix4 result;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      if (i == 3 && j == 3) continue;
      int rows[3];
      int columns[3];
      for (int k = 0, row = 0, column = 0; k < 4; ++k) {
        if (k != j) rows[row++] = k;
        if (k != i) columns[column++] = k;
      }
      const float minor = minorDeterminant(m, rows[0], rows[1], rows[2], columns[0],
                                           columns[1], columns[2]);
      result.at(i, j) = ((i + j) % 2 == 0 ? minor : -minor) * r;
    }
  }
  result.at(3, 3) = 1.0F;
  return result;
}

}  // namespace jolvent
