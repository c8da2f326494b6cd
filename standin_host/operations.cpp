#include "standin_host/operations.h"

#include <algorithm>
#include <iterator>

namespace jolvent::standin {

namespace {
constexpr std::string_view kOperations[] = {
    "HostApp::isJapaneseUi",
    "HostApp::currentScene",
    "HostApp::isRecordingMotion",
    "HostApp::editWindow",
    "Scene::mainWindow",
    "Scene::updateViews",
    "Scene::beginLine",
    "Scene::appendPoint",
    "Scene::endLine",
    "Scene::beginPart",
    "Scene::endPart",
    "Scene::activeShapeCount",
    "Scene::motionContainer",
    "Scene::guideScale",
    "Scene::shapeByHandle",
    "Scene::activeShape",
    "Scene::findShapeByName",
    "Scene::setCreationParent",
    "Scene::isValidHandle",
    "Scene::setActiveShapes",
    "Scene::isMotionMode",
    "LineBuilder::lineShape",
    "PartBuilder::partShape",
    "shape_class::jointControl",
    "shape_class::parent",
    "shape_class::insideTarget",
    "shape_class::shapeType",
    "shape_class::handle",
    "shape_class::name",
    "shape_class::asPart",
    "shape_class::remove",
    "shape_class::updateParent",
    "shape_class::isPart",
    "shape_class::isRotatorJoint",
    "shape_class::isBallJoint",
    "shape_class::ballJointFrame",
    "shape_class::createStream",
    "shape_class::getStream",
    "shape_class::deleteStream",
    "part_class::partType",
    "part_class::worldMatrix",
    "part_class::setTransformation",
    "part_class::setPartOption",
    "line_class::setLineColor",
    "JointControl::setValue",
    "JointControl::value",
    "JointControl::min",
    "JointControl::setMin",
    "JointControl::max",
    "JointControl::setMax",
    "JointControl::defaultValue",
    "JointControl::setRotation",
    "JointControl::defaultRotation",
    "BallJointFrame::jointRotation",
    "BallJointFrame::jointCentre",
    "Stream::readFloat",
    "Stream::writeFloat",
    "Stream::seek",
    "Stream::size",
    "MotionContainer::activeMotion",
    "Motion::setKeyValue",
    "Motion::currentPosition",
    "Motion::keyCount",
    "Motion::keyPosition",
    "Motion::addKey",
    "Motion::setKeyRotation",
    "Motion::motionEnabled",
    "EditView::editController",
    "EditController::endEdit",
    "EditController::beginEdit",
    "EditController::canBeginEdit",
};
}  // namespace

bool isKnownOperation(std::string_view operation) {
  return std::find(std::begin(kOperations), std::end(kOperations), operation) !=
         std::end(kOperations);
}

}  // namespace jolvent::standin
