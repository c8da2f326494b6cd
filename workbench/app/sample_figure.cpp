#include "workbench/app/sample_figure.h"

#include <string>
#include <unordered_map>

namespace jolvent::workbench {

namespace {

enum class Kind { ball, rotator, valued };

struct JointRow {
  const char* name;
  const char* parent;  // "" for the figure's body part
  Kind kind;
  Vec3 centre;
};

// Y up, the figure facing +Z, sizes about those of a person in centimetres.
constexpr JointRow kJoints[] = {
    {"waist", "", Kind::rotator, {0, 100, 0}},
    {"neck", "waist", Kind::ball, {0, 150, 0}},
    {"jaw", "neck", Kind::valued, {0, 162, 4}},
    {"shoulder_L", "waist", Kind::ball, {18, 145, 0}},
    {"elbow_L", "shoulder_L", Kind::ball, {45, 145, 0}},
    {"shoulder_R", "waist", Kind::ball, {-18, 145, 0}},
    {"elbow_R", "shoulder_R", Kind::ball, {-45, 145, 0}},
    {"hip_L", "", Kind::ball, {10, 95, 0}},
    {"knee_L", "hip_L", Kind::ball, {10, 52, 0}},
    {"hip_R", "", Kind::ball, {-10, 95, 0}},
    {"knee_R", "hip_R", Kind::ball, {-10, 52, 0}},
};

// Single-valued joints of kind 13 keep their value in this range.
constexpr int kValuedKind = 13;
constexpr float kJawMaximum = 30.0F;

}  // namespace

void addSampleFigure(standin::StandInScene& scene) {
  standin::Shape& body = scene.addPart("figure");
  std::unordered_map<std::string, standin::Shape*> made;
  for (const JointRow& row : kJoints) {
    standin::Shape* parent = row.parent[0] == '\0' ? &body : made.at(row.parent);
    standin::Shape* joint = nullptr;
    switch (row.kind) {
      case Kind::ball:
        joint = &scene.addBallJoint(row.name, parent, row.centre);
        break;
      case Kind::rotator:
        joint = &scene.addValuedJoint(row.name, 3, 0.0F, -1.0F, 1.0F, 0.0F, parent);
        joint->setRotatorJoint(true).setCentre(row.centre);
        break;
      case Kind::valued:
        joint = &scene.addValuedJoint(row.name, kValuedKind, 0.0F, 0.0F, kJawMaximum,
                                      0.0F, parent);
        joint->setCentre(row.centre);
        break;
    }
    joint->motion().setPresent(true);
    made[row.name] = joint;
  }
}

}  // namespace jolvent::workbench
