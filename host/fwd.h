// Forward declarations of the host's object interfaces.
#pragma once

#include <cstdint>

namespace jolvent {

class HostApp;
class Scene;
class shape_class;
class part_class;
class line_class;
class LineBuilder;
class PartBuilder;
class JointControl;
class BallJointFrame;
class Stream;
class MotionContainer;
class Motion;
class EditWindow;
class EditView;
class EditController;

// Opaque, stable name of a shape; 0 names none.
using ShapeHandle = std::uint64_t;

// Opaque place for new shapes, from shape_class::insideTarget.
using CreationTarget = std::uintptr_t;

// Every host operation ends with one more argument; the plug-in passes 0.
using Reserved = int;

}  // namespace jolvent
