#include "reference/written_steps.h"

#include <cmath>

namespace jolvent::written_steps {
// Calls are qualified: argument-dependent lookup also finds jolvent's own.

float vecDot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 vecCross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float vecNormalize(Vec3& v) {
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (length < 0.0F || length > 0.0F) {
    const float r = 1.0F / length;
    v.x = v.x * r;
    v.y = v.y * r;
    v.z = v.z * r;
    return length;
  }
  return 0.0F;
}

Quaternion quatNormalize(const Quaternion& q) {
  const float n = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
  const auto r = static_cast<float>(1.0 / static_cast<double>(n));
  return {q.w * r, q.x * r, q.y * r, q.z * r};
}

Quaternion quatMultiply(const Quaternion& a, const Quaternion& b) {
  Quaternion p;
  p.w = a.w * b.w - (a.x * b.x + a.y * b.y + a.z * b.z);
  p.x = a.w * b.x + b.w * a.x + (a.y * b.z - a.z * b.y);
  p.y = a.w * b.y + b.w * a.y + (a.z * b.x - a.x * b.z);
  p.z = a.w * b.z + b.w * a.z + (a.x * b.y - a.y * b.x);
  return written_steps::quatNormalize(p);
}

Matrix4 quatToMatrix(const Quaternion& q) {
  const float w = q.w;
  const float x = q.x;
  const float y = q.y;
  const float z = q.z;
  const float n = w * w + x * x + y * y + z * z;
  float e[3][3];
  e[0][0] = w * w + x * x - y * y - z * z;
  e[0][1] = 2.0F * x * y - 2.0F * w * z;
  e[0][2] = 2.0F * x * z + 2.0F * w * y;
  e[1][0] = 2.0F * w * z + 2.0F * x * y;
  e[1][1] = w * w - x * x + y * y - z * z;
  e[1][2] = 2.0F * y * z - 2.0F * w * x;
  e[2][0] = 2.0F * x * z - 2.0F * w * y;
  e[2][1] = 2.0F * y * z + 2.0F * w * x;
  e[2][2] = w * w - x * x - y * y + z * z;
  Matrix4 m = identityMatrix;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) m.at(row, column) = e[row][column] / n;
  }
  return m;
}

Matrix4 axisAngleMatrix(const Vec3& axis, float cosine, float sine) {
  Matrix4 m;
  Vec3 u = axis;
  const float length = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
  if (length > 0.0F) {
    const float r = 1.0F / length;
    u = {u.x * r, u.y * r, u.z * r};
  }
  const float x = u.x;
  const float y = u.y;
  const float z = u.z;
  const float s = sine;
  const double c = cosine;
  const double k = 1.0 - c;
  m.at(0, 0) = static_cast<float>(x * x + (1.0 - x * x) * c);
  m.at(0, 1) = static_cast<float>(x * y * k + z * s);
  m.at(0, 2) = static_cast<float>(x * z * k - y * s);
  m.at(1, 0) = static_cast<float>(x * y * k - z * s);
  m.at(1, 1) = static_cast<float>(y * y + (1.0 - y * y) * c);
  m.at(1, 2) = static_cast<float>(y * z * k + x * s);
  m.at(2, 0) = static_cast<float>(x * z * k + y * s);
  m.at(2, 1) = static_cast<float>(y * z * k - x * s);
  m.at(2, 2) = static_cast<float>(z * z + (1.0 - z * z) * c);
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
  // The three indices other than k, ascending.
  static constexpr int kOthers[4][3] = {{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 1, 2}};
  const float d = written_steps::minorDeterminant(m, 0, 1, 2, 0, 1, 2);
  if (!(d < 0.0F || d > 0.0F)) return m;
  const auto r = static_cast<float>(1.0 / static_cast<double>(d));
  Matrix4 result;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      if (i == 3 && j == 3) continue;
      const int* rows = kOthers[j];
      const int* columns = kOthers[i];
      const float minor = written_steps::minorDeterminant(
          m, rows[0], rows[1], rows[2], columns[0], columns[1], columns[2]);
      const float sign = (i + j) % 2 == 0 ? 1.0F : -1.0F;
      result.at(i, j) = sign * minor * r;
    }
  }
  result.at(3, 3) = 1.0F;
  return result;
}

MatrixDecomposition decomposeMatrix(const Matrix4& m) {
  MatrixDecomposition result;
  Matrix4 l = m;
  for (int i = 0; i < 16; ++i) l.m[i] = l.m[i] / l.m[15];

  result.translation = {l.at(3, 0), l.at(3, 1), l.at(3, 2)};
  l.at(3, 0) = 0.0F;
  l.at(3, 1) = 0.0F;
  l.at(3, 2) = 0.0F;

  Vec3 r0{l.at(0, 0), l.at(0, 1), l.at(0, 2)};
  Vec3 r1{l.at(1, 0), l.at(1, 1), l.at(1, 2)};
  Vec3 r2{l.at(2, 0), l.at(2, 1), l.at(2, 2)};

  result.scale.x = written_steps::vecNormalize(r0);
  float xy = written_steps::vecDot(r0, r1);
  r1 = {r1.x - xy * r0.x, r1.y - xy * r0.y, r1.z - xy * r0.z};
  result.scale.y = written_steps::vecNormalize(r1);
  xy = xy / result.scale.y;
  float xz = written_steps::vecDot(r0, r2);
  r2 = {r2.x - xz * r0.x, r2.y - xz * r0.y, r2.z - xz * r0.z};
  float yz = written_steps::vecDot(r1, r2);
  r2 = {r2.x - yz * r1.x, r2.y - yz * r1.y, r2.z - yz * r1.z};
  result.scale.z = written_steps::vecNormalize(r2);
  xz = xz / result.scale.z;
  yz = yz / result.scale.z;
  result.shear = {yz, xz, xy};

  if (written_steps::vecDot(r0, written_steps::vecCross(r1, r2)) < 0.0F) {
    result.scale = {-result.scale.x, -result.scale.y, -result.scale.z};
    r0 = {-r0.x, -r0.y, -r0.z};
    r1 = {-r1.x, -r1.y, -r1.z};
    r2 = {-r2.x, -r2.y, -r2.z};
  }

  result.angles.y = std::asin(-r0.z);
  const float c = std::cos(result.angles.y);
  if (c < -0.0002F || c > 0.0002F) {
    result.angles.x = std::atan2(r1.z, r2.z);
    result.angles.z = std::atan2(r0.y, r0.x);
  } else {
    const float t = std::atan2(r1.x, r1.y);
    result.angles.x = result.angles.y > 0.0F ? t : -t;
    result.angles.z = 0.0F;
  }
  return result;
}

EulerDegrees quatToEulerDegrees(const Quaternion& q) {
  const Matrix4 m = written_steps::quatToMatrix(q);
  const MatrixDecomposition d = written_steps::decomposeMatrix(m);
  return {d.angles.x * 57.295776F, d.angles.y * 57.295776F, d.angles.z * 57.295776F};
}

Quaternion matrixToQuat(const Matrix4& m) {
  const Vec3 a = written_steps::decomposeMatrix(m).angles;
  const Quaternion qX{std::cos(a.x * 0.5F), std::sin(a.x * (-0.5F)), 0.0F, 0.0F};
  const Quaternion qY{std::cos(a.y * 0.5F), 0.0F, std::sin(a.y * (-0.5F)), 0.0F};
  const Quaternion qZ{std::cos(a.z * 0.5F), 0.0F, 0.0F, std::sin(a.z * (-0.5F))};
  return written_steps::quatMultiply(written_steps::quatMultiply(qX, qY), qZ);
}

Quaternion applyAxisDelta(const Quaternion& rotation, const Vec3* axis, float newDegrees,
                          float appliedDegrees) {
  Matrix4 m = identityMatrix;
  if (axis != nullptr) {
    const float theta = (newDegrees - appliedDegrees) * 0.017453292F;
    m = written_steps::axisAngleMatrix(*axis, std::cos(theta), std::sin(theta));
  }
  const Quaternion d = written_steps::matrixToQuat(m);
  return written_steps::quatMultiply(d, rotation);
}

}  // namespace jolvent::written_steps
