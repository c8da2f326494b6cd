#include "workbench/app/timeline.h"

#include <cmath>

namespace jolvent::workbench {

Quaternion slerp(const Quaternion& a, const Quaternion& b, float t) {
  double bw = b.w, bx = b.x, by = b.y, bz = b.z;
  double cosine = static_cast<double>(a.w) * bw + static_cast<double>(a.x) * bx +
                  static_cast<double>(a.y) * by + static_cast<double>(a.z) * bz;
  // q and -q are the same rotation: go the short way round.
  if (cosine < 0.0) {
    cosine = -cosine;
    bw = -bw;
    bx = -bx;
    by = -by;
    bz = -bz;
  }
  double wa = 1.0 - t;
  double wb = t;
  if (cosine < 0.9995) {
    const double angle = std::acos(cosine);
    const double sine = std::sin(angle);
    wa = std::sin((1.0 - t) * angle) / sine;
    wb = std::sin(t * angle) / sine;
  }
  const Quaternion blended{
      static_cast<float>(wa * a.w + wb * bw), static_cast<float>(wa * a.x + wb * bx),
      static_cast<float>(wa * a.y + wb * by), static_cast<float>(wa * a.z + wb * bz)};
  return quatNormalize(blended);
}

std::optional<Pose> evaluateMotion(const std::vector<standin::MotionKey>& keys,
                                   float position) {
  if (keys.empty()) return std::nullopt;
  if (position <= keys.front().position)
    return Pose{keys.front().rotation, keys.front().value};
  if (position >= keys.back().position)
    return Pose{keys.back().rotation, keys.back().value};
  std::size_t next = 1;
  while (keys[next].position < position) ++next;
  const standin::MotionKey& from = keys[next - 1];
  const standin::MotionKey& to = keys[next];
  const float t = (position - from.position) / (to.position - from.position);
  return Pose{slerp(from.rotation, to.rotation, t),
              from.value + (to.value - from.value) * t};
}

}  // namespace jolvent::workbench
