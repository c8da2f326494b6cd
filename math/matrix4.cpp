#include "math/matrix4.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "math/quaternion_scaling.h"

namespace jolvent {

namespace {

// Rule of Sarrus. Always inlined: with constant indices every element is a
// fixed load and the products the minors share are formed once.
[[gnu::always_inline]] inline float sarrus(const Matrix4& m, int r0, int r1, int r2,
                                           int c0, int c1, int c2) {
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

// The three indices other than k, ascending.
constexpr std::array<int, 3> otherThan(int k) {
  switch (k) {
    case 0:
      return {1, 2, 3};
    case 1:
      return {0, 2, 3};
    case 2:
      return {0, 1, 3};
    default:
      return {0, 1, 2};
  }
}

// (-1)^(i + j) times the minor without row j and column i.
template <int I, int J>
float signedMinor(const Matrix4& m) {
  constexpr std::array<int, 3> rows = otherThan(J);
  constexpr std::array<int, 3> columns = otherThan(I);
  const float minor =
      sarrus(m, rows[0], rows[1], rows[2], columns[0], columns[1], columns[2]);
  return (I + J) % 2 == 0 ? minor : -minor;
}

// Element k is [k / 4][k % 4]; [3][3], the last, is 1. Built in place.
template <std::size_t... K>
Matrix4 scaledCofactors(const Matrix4& m, float r, std::index_sequence<K...>) {
  return {{(signedMinor<K / 4, K % 4>(m) * r)..., 1.0F}};
}

float squaredNormOf(const Quaternion& q) {
  return q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z;
}

// Each of the nine rotation elements divided by the squared norm n, which
// makes any length a pure rotation. One expression, so the result is built
// where the caller wants it.
[[gnu::always_inline]] inline Matrix4 rotationOver(const Quaternion& q, float n) {
  const float w = q.w;
  const float x = q.x;
  const float y = q.y;
  const float z = q.z;
  const float ww = w * w;
  const float xx = x * x;
  const float yy = y * y;
  const float zz = z * z;
  return {{(ww + xx - yy - zz) / n, (2.0F * x * y - 2.0F * w * z) / n,
           (2.0F * x * z + 2.0F * w * y) / n, 0.0F,  //
           (2.0F * w * z + 2.0F * x * y) / n, (ww - xx + yy - zz) / n,
           (2.0F * y * z - 2.0F * w * x) / n, 0.0F,  //
           (2.0F * x * z - 2.0F * w * y) / n, (2.0F * y * z + 2.0F * w * x) / n,
           (ww - xx - yy + zz) / n, 0.0F,  //
           0.0F, 0.0F, 0.0F, 1.0F}};
}

// Guards the all-zero input itself and scales any other first, as
// normalising does: a quaternion whose squares under- or overflow still has a
// rotation, the one it has at unit scale. The all-zero quaternion has none
// and gives the identity rather than not-a-numbers; not-a-numbers and
// infinities go through as they are.
[[gnu::cold, gnu::noinline]] Matrix4 quatToMatrixOutOfRange(const Quaternion& q) {
  if (isAllZero(q)) return identityMatrix;
  if (!isFinite(q)) return rotationOver(q, squaredNormOf(q));
  const Quaternion scaled = scaledToUnitExponent(q);
  return rotationOver(scaled, squaredNormOf(scaled));
}

}  // namespace

Matrix4 quatToMatrix(const Quaternion& q) {
  const float n = squaredNormOf(q);
  if (!squaredNormInRange(n)) [[unlikely]] {
    return quatToMatrixOutOfRange(q);
  }
  return rotationOver(q, n);
}

Matrix4 axisAngleMatrix(const Vec3& axis, float cosine, float sine) {
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
  // One expression, so the result is built where the caller wants it.
  return {{store(xx + (1.0 - xx) * c), store(xy * k + zs), store(xz * k - ys), 0.0F,  //
           store(xy * k - zs), store(yy + (1.0 - yy) * c), store(yz * k + xs), 0.0F,  //
           store(xz * k + ys), store(yz * k - xs), store(zz + (1.0 - zz) * c), 0.0F,  //
           0.0F, 0.0F, 0.0F, 1.0F}};
}

float minorDeterminant(const Matrix4& m, int r0, int r1, int r2, int c0, int c1, int c2) {
  return sarrus(m, r0, r1, r2, c0, c1, c2);
}

Matrix4 matrixInverse(const Matrix4& m) {
  // For an affine matrix the upper-left block's determinant is the whole
  // determinant.
  const float d = sarrus(m, 0, 1, 2, 0, 1, 2);
  if (!(d < 0.0F || d > 0.0F)) return m;
  const auto r = static_cast<float>(1.0 / static_cast<double>(d));
  // All fifteen minors unrolled, their indices known when compiling.
  return scaledCofactors(m, r, std::make_index_sequence<15>{});
}

}  // namespace jolvent
